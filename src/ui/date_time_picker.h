#pragma once

#include <optional>

#include "platform/clock.h"
#include "ui/control.h"

namespace ui {

// A date or time picker that may hold no value. Changing the value runs the
// Change handler.
class DateTimePicker : public Control {
public:
    enum class Format { Date, Time };

    DateTimePicker(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::DateTimePicker, std::move(name), index, container) {}

    [[nodiscard]] const std::optional<platform::DateTime>& Value() const noexcept {
        return m_value;
    }
    void SetValue(std::optional<platform::DateTime> value);

    Format format = Format::Date;

    std::function<void()> onChange;

private:
    std::optional<platform::DateTime> m_value;
};

}  // namespace ui

#pragma once

#include "ui/control.h"

namespace ui {

// A progress bar. Values outside the range are clamped to it.
class ProgressBar : public Control {
public:
    ProgressBar(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::ProgressBar, std::move(name), index, container) {}

    [[nodiscard]] int Min() const noexcept { return m_min; }
    [[nodiscard]] int Max() const noexcept { return m_max; }
    [[nodiscard]] int Value() const noexcept { return m_value; }
    void SetMax(int max);
    void SetValue(int value);

private:
    int m_min = 0;
    int m_max = 100;
    int m_value = 0;
};

}  // namespace ui

#pragma once

#include "ui/control.h"

namespace ui {

// An option button. The buttons of one group (by default: of one container)
// exclude each other. Selecting a button clears the others of its group
// without running their handlers, then runs its own Click handler; clearing a
// button runs nothing.
class OptionButton : public Control {
public:
    OptionButton(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::OptionButton, std::move(name), index, container) {}

    [[nodiscard]] bool Value() const noexcept { return m_value; }
    void SetValue(bool selected);

    // Buttons with the same non-empty group name exclude each other wherever
    // they sit; an empty group means "the buttons of my container".
    std::string group;

private:
    [[nodiscard]] bool SameGroup(const OptionButton& other) const;

    bool m_value = false;
};

}  // namespace ui

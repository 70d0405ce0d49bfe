#pragma once

#include "ui/control.h"

namespace ui {

// A check box; its value is 0 (unchecked), 1 (checked) or 2 (greyed).
// Setting a different value runs the Click handler, whoever sets it.
class CheckBox : public Control {
public:
    CheckBox(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::CheckBox, std::move(name), index, container) {}

    [[nodiscard]] int Value() const noexcept { return m_value; }
    void SetValue(int value);
    [[nodiscard]] bool Checked() const noexcept { return m_value == 1; }

    // The user's change, by the mouse or the Space key: toggles between
    // checked and unchecked, then runs the UserChange handler.
    void UserToggle();

    // Runs only after the user has changed the value; a value set by code,
    // or a click that changed nothing, runs nothing here.
    std::function<void()> onUserChange;

private:
    int m_value = 0;
};

}  // namespace ui

#include "ui/option_button.h"

#include "ui/form.h"

namespace ui {

bool OptionButton::SameGroup(const OptionButton& other) const {
    if (!group.empty() || !other.group.empty()) {
        return group == other.group;
    }
    return Container() == other.Container();
}

void OptionButton::SetValue(bool selected) {
    if (!selected) {
        if (m_value) {
            m_value = false;
            Notify(Change::Value);
        }
        return;
    }
    for (Control* control : Owner().ControlsOfType(ControlType::OptionButton)) {
        auto* other = static_cast<OptionButton*>(control);
        if (other != this && other->m_value && SameGroup(*other)) {
            other->m_value = false;
            other->Notify(Change::Value);
        }
    }
    if (!m_value) {
        m_value = true;
        Notify(Change::Value);
    }
    Click();
}

}  // namespace ui

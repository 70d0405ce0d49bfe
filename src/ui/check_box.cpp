#include "ui/check_box.h"

namespace ui {

void CheckBox::SetValue(int value) {
    if (value == m_value) {
        return;
    }
    m_value = value;
    Notify(Change::Value);
    Click();
}

void CheckBox::UserToggle() {
    SetValue(m_value == 1 ? 0 : 1);
    if (onUserChange) {
        onUserChange();
    }
}

}  // namespace ui

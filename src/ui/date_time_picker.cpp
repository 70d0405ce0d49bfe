#include "ui/date_time_picker.h"

namespace ui {

void DateTimePicker::SetValue(std::optional<platform::DateTime> value) {
    if (value == m_value) {
        return;
    }
    m_value = value;
    Notify(Change::Value);
    if (onChange) {
        onChange();
    }
}

}  // namespace ui

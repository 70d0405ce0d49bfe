#include "ui/progress_bar.h"

#include <algorithm>

namespace ui {

void ProgressBar::SetMax(int max) {
    m_max = std::max(max, m_min);
    m_value = std::min(m_value, m_max);
    Notify(Change::Value);
}

void ProgressBar::SetValue(int value) {
    const int clamped = std::clamp(value, m_min, m_max);
    if (clamped == m_value) {
        return;
    }
    m_value = clamped;
    Notify(Change::Value);
}

}  // namespace ui

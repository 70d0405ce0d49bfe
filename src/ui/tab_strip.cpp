#include "ui/tab_strip.h"

namespace ui {

void TabStrip::AddTab(std::string caption) {
    m_tabs.push_back(std::move(caption));
    if (m_selected == 0) {
        m_selected = 1;
    }
    Notify(Change::Items);
}

const std::string& TabStrip::TabCaption(int tab) const {
    static const std::string kNone;
    return tab >= 1 && tab <= TabCount() ? m_tabs[tab - 1] : kNone;
}

void TabStrip::SetTabCaption(int tab, std::string caption) {
    if (tab < 1 || tab > TabCount()) {
        return;
    }
    m_tabs[tab - 1] = std::move(caption);
    Notify(Change::ItemChanged, tab);
}

void TabStrip::SetSelectedTab(int tab) {
    if (tab < 1 || tab > TabCount() || tab == m_selected) {
        return;
    }
    m_selected = tab;
    Notify(Change::Value);
    Click();
}

}  // namespace ui

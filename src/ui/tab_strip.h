#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A tab strip. Tabs are numbered from 1; selecting another tab (by the user
// or by code) runs the Click handler.
class TabStrip : public Control {
public:
    TabStrip(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::TabStrip, std::move(name), index, container) {}

    void AddTab(std::string caption);
    [[nodiscard]] int TabCount() const noexcept { return static_cast<int>(m_tabs.size()); }
    [[nodiscard]] const std::string& TabCaption(int tab) const;
    void SetTabCaption(int tab, std::string caption);

    // 0 when the strip has no tabs.
    [[nodiscard]] int SelectedTab() const noexcept { return m_selected; }
    void SetSelectedTab(int tab);

private:
    std::vector<std::string> m_tabs;
    int m_selected = 0;
};

}  // namespace ui

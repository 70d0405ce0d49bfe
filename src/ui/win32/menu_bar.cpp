#include "ui/win32/menu_bar.h"

#include <string>

#include "ui/form.h"
#include "ui/menu.h"

namespace ui::win32 {

namespace {

std::vector<Menu*> MenusUnder(const Form& form, const Menu* parent) {
    std::vector<Menu*> menus;
    for (Control* control : form.ControlsOfType(ControlType::Menu)) {
        auto* menu = static_cast<Menu*>(control);
        if (menu->ParentMenu() == parent && menu->Visible()) {
            menus.push_back(menu);
        }
    }
    return menus;
}

}  // namespace

bool MenuBar::HasMenus(const Form& form) {
    return !MenusUnder(form, nullptr).empty();
}

void MenuBar::Rebuild(Form& form, HWND window) {
    m_commands.clear();
    platform::win32::UniqueMenu bar;
    const std::vector<Menu*> topLevel = MenusUnder(form, nullptr);
    if (!topLevel.empty()) {
        bar.Reset(::CreateMenu());
        for (Menu* top : topLevel) {
            platform::win32::UniqueMenu popup(::CreatePopupMenu());
            for (Menu* item : MenusUnder(form, top)) {
                if (item->IsSeparator()) {
                    ::AppendMenuA(popup.Get(), MF_SEPARATOR, 0, nullptr);
                    continue;
                }
                UINT flags = MF_STRING;
                flags |= item->Enabled() ? MF_ENABLED : MF_GRAYED;
                flags |= item->Checked() ? MF_CHECKED : MF_UNCHECKED;
                const UINT command = kFirstCommand + static_cast<UINT>(m_commands.size());
                m_commands.push_back(item);
                ::AppendMenuA(popup.Get(), flags, command, item->Caption().c_str());
            }
            const UINT flags = MF_POPUP | (top->Enabled() ? MF_ENABLED : MF_GRAYED);
            // The bar owns the popup from here on.
            ::AppendMenuA(bar.Get(), flags, reinterpret_cast<UINT_PTR>(popup.Release()),
                          top->Caption().c_str());
        }
    }
    HMENU old = ::GetMenu(window);
    ::SetMenu(window, bar.Release());
    if (old != nullptr) {
        ::DestroyMenu(old);
    }
    ::DrawMenuBar(window);
}

Menu* MenuBar::CommandTarget(UINT command) const {
    if (command < kFirstCommand || command - kFirstCommand >= m_commands.size()) {
        return nullptr;
    }
    return m_commands[command - kFirstCommand];
}

}  // namespace ui::win32

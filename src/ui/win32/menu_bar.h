#pragma once

// The menu bar of a window, built from its Menu controls: top-level entries
// become the bar's menus, their children the items. The bar is rebuilt
// whenever an entry changes, which is rare and cheap.

#include <vector>

#include "platform/win32/handles.h"

namespace ui {
class Form;
class Menu;
}  // namespace ui

namespace ui::win32 {

class MenuBar {
public:
    static constexpr UINT kFirstCommand = 0xE000;

    // Builds the bar and attaches it to the window (or removes it when the
    // window has no visible top-level menu).
    void Rebuild(Form& form, HWND window);

    // The entry of a menu command, or null.
    [[nodiscard]] Menu* CommandTarget(UINT command) const;
    [[nodiscard]] static bool HasMenus(const Form& form);

private:
    std::vector<Menu*> m_commands;
};

}  // namespace ui::win32

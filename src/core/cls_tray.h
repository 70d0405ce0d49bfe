#pragma once

// The program's notification-area icon, shared by every window that shows
// one: one record, one icon at a time. The window that showed the icon
// receives its mouse activity.
//
// A window whose icon takes the place of another window's (the download
// window's while an update runs) gives that icon back when its own goes,
// if the other window still lives in the tray: otherwise a hidden main
// window would be left with no way back.

#include <string>

#include "platform/notify_icon.h"

namespace ui {
class Form;
}

namespace shell {

class clsTray {
public:
    explicit clsTray(platform::NotifyIcon& icon);
    ~clsTray();

    clsTray(const clsTray&) = delete;
    clsTray& operator=(const clsTray&) = delete;

    // Shows the window's icon with the window's caption as the tool tip.
    void ShowIcon(ui::Form& window);
    // Removes the window's icon; another window's icon stays.
    void RemoveIcon(ui::Form& window);
    // Changes the tool tip, only while an icon is shown.
    void ChangeToolTip(ui::Form& window, const std::string& text);

    [[nodiscard]] bool bRunningInTray() const noexcept { return m_runningInTray; }

private:
    void OnMouseMessage(int mouseMessage);

    platform::NotifyIcon& m_icon;
    ui::Form* m_owner = nullptr;
    std::string m_tip;
    bool m_runningInTray = false;
    // The window whose icon the shown one took the place of, with its tip.
    ui::Form* m_covered = nullptr;
    std::string m_coveredTip;
};

}  // namespace shell

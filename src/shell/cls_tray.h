#pragma once

// The program's notification-area icon, shared by every window that shows
// one: one record, one icon at a time. The window that showed the icon
// receives its mouse activity.

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
    void RemoveIcon(ui::Form& window);
    // Changes the tool tip, only while an icon is shown.
    void ChangeToolTip(ui::Form& window, const std::string& text);

    [[nodiscard]] bool bRunningInTray() const noexcept { return m_runningInTray; }

private:
    void OnMouseMessage(int mouseMessage);

    platform::NotifyIcon& m_icon;
    ui::Form* m_owner = nullptr;
    bool m_runningInTray = false;
};

}  // namespace shell

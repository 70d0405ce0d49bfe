#pragma once

// The notification-area icon on Shell_NotifyIcon. A hidden window of its own
// receives the icon's mouse messages and Explorer's "TaskbarCreated"
// broadcast, on which a shown icon is added again.

#include <windows.h>

#include <shellapi.h>

#include "platform/notify_icon.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

class NotifyIconWin32 : public platform::NotifyIcon {
public:
    NotifyIconWin32();
    ~NotifyIconWin32() override;

    NotifyIconWin32(const NotifyIconWin32&) = delete;
    NotifyIconWin32& operator=(const NotifyIconWin32&) = delete;

    // Adding an icon that is shown changes its picture and tool tip.
    [[nodiscard]] bool Add(std::string_view iconResource, std::string_view toolTip) override;
    [[nodiscard]] bool Modify(std::string_view toolTip) override;
    [[nodiscard]] bool Remove() override;

    // The window that the icon's messages go to.
    [[nodiscard]] HWND Window() const noexcept { return m_window.Get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void SetToolTip(std::string_view toolTip) noexcept;
    void OnTaskbarCreated();

    UniqueWindow m_window;
    UINT m_taskbarCreated = 0;
    NOTIFYICONDATAA m_data{};
    bool m_wanted = false;  // Add was called and Remove not since
    bool m_added = false;   // the shell holds the icon
};

}  // namespace platform::win32

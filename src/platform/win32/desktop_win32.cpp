#include "platform/win32/desktop_win32.h"

#include <windows.h>

namespace platform::win32 {

namespace {

std::optional<ClientRect> ClientRectOf(HWND window) {
    RECT rect{};
    if (window == nullptr || ::GetClientRect(window, &rect) == 0) {
        return std::nullopt;
    }
    return ClientRect{static_cast<int>(rect.left), static_cast<int>(rect.top),
                      static_cast<int>(rect.right), static_cast<int>(rect.bottom)};
}

}  // namespace

std::optional<ClientRect> DesktopWin32::TaskbarClientRect() {
    return ClientRectOf(::FindWindowA("shell_TrayWnd", ""));
}

ClientRect DesktopWin32::DesktopClientRect() {
    return ClientRectOf(::GetDesktopWindow()).value_or(ClientRect{});
}

}  // namespace platform::win32

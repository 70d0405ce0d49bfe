#include "platform/win32/desktop_win32.h"

#include <windows.h>

#include "platform/win32/dpi.h"

namespace platform::win32 {

namespace {

// In the pixels that the program's windows are laid out in, at the DPI of
// the primary monitor, where the desktop starts and the taskbar lies.
std::optional<ClientRect> ClientRectOf(HWND window) {
    RECT rect{};
    if (window == nullptr || ::GetClientRect(window, &rect) == 0) {
        return std::nullopt;
    }
    const int dpi = DpiOf(::GetDesktopWindow());
    return ClientRect{ToModel(rect.left, dpi), ToModel(rect.top, dpi), ToModel(rect.right, dpi),
                      ToModel(rect.bottom, dpi)};
}

}  // namespace

std::optional<ClientRect> DesktopWin32::TaskbarClientRect() {
    return ClientRectOf(::FindWindowA("shell_TrayWnd", ""));
}

ClientRect DesktopWin32::DesktopClientRect() {
    return ClientRectOf(::GetDesktopWindow()).value_or(ClientRect{});
}

}  // namespace platform::win32

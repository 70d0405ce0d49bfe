#pragma once

// The screen as a window that slides in above the taskbar sees it: the
// client rectangles of the taskbar window and of the desktop window, in
// pixels.

#include <optional>

namespace platform {

struct ClientRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // The client rectangle of the taskbar window (class "shell_TrayWnd",
    // empty window name); nothing when there is no taskbar.
    [[nodiscard]] virtual std::optional<ClientRect> TaskbarClientRect() = 0;
    [[nodiscard]] virtual ClientRect DesktopClientRect() = 0;
};

}  // namespace platform

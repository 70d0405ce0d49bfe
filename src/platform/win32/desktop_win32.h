#pragma once

// The taskbar and desktop windows' client rectangles from FindWindowA,
// GetDesktopWindow and GetClientRect, in the pixels of a 96-DPI screen that
// the program's windows are laid out in.

#include "platform/desktop.h"

namespace platform::win32 {

class DesktopWin32 : public platform::Desktop {
public:
    [[nodiscard]] std::optional<ClientRect> TaskbarClientRect() override;
    [[nodiscard]] ClientRect DesktopClientRect() override;
};

}  // namespace platform::win32

#pragma once

// The program's one icon in the taskbar's notification area. The icon tells
// of mouse activity over it through a callback with the mouse message's
// number (512 move, 513 left button down, 515 left double-click, 516 right
// button down, 518 right double-click, ...).

#include <functional>
#include <string_view>

namespace platform {

class NotifyIcon {
public:
    virtual ~NotifyIcon() = default;

    // Adds the icon, drawn from the named icon resource, with its tool tip
    // (cut to 63 characters).
    virtual bool Add(std::string_view iconResource, std::string_view toolTip) = 0;
    // Changes the tool tip of the icon that is shown.
    virtual bool Modify(std::string_view toolTip) = 0;
    virtual bool Remove() = 0;

    std::function<void(int mouseMessage)> onMouseMessage;
};

}  // namespace platform

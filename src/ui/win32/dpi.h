#pragma once

// The model lays every window out in pixels of a 96-DPI screen; the view
// shows each window at the DPI of the monitor it is on, through the
// conversion of the Win32 platform code.

#include "platform/win32/dpi.h"
#include "ui/control.h"

namespace ui::win32 {

using platform::win32::AdjustFrameAt;
using platform::win32::DpiOf;
using platform::win32::kModelDpi;
using platform::win32::MessageFontAt;
using platform::win32::MetricAt;
using platform::win32::ToModel;
using platform::win32::ToScreen;

// Scales the edges, not the size, so that controls that touch at 96 DPI
// still touch.
[[nodiscard]] inline RECT ToScreen(const Bounds& bounds, int dpi) noexcept {
    return {ToScreen(bounds.left, dpi), ToScreen(bounds.top, dpi),
            ToScreen(bounds.left + bounds.width, dpi), ToScreen(bounds.top + bounds.height, dpi)};
}

}  // namespace ui::win32

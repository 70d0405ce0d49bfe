#pragma once

#include <cstdint>

namespace ui {

// Where a window that slides in above the taskbar stands, in twips: the
// placement's own unit, turned into pixels whenever the window moves.
struct SlidePosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
    // The top at which the rise ends.
    std::int32_t targetTop = 0;
    // The screen's height, measured when the window was placed.
    std::int32_t screenHeight = 0;
};

}  // namespace ui

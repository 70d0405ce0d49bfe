#pragma once

// The slide-in shared by the tray pop-up and the update notice: placed at
// the bottom right corner of the screen, above the taskbar, the window rises
// by a fixed step per tick of its rise timer, rests while its dwell timer
// runs, and falls by a fixed step per tick of its fall timer until it passes
// an end line.
//
// The arithmetic is in twips with the fixed factors 14.5 (vertical) and 14.7
// (horizontal) twips per pixel; the window's pixel position is derived from
// it with the same factors, so the pixel geometry means what the twips say.

#include <cstdint>

#include "platform/desktop.h"
#include "ui/form.h"
#include "ui/slide_position.h"
#include "ui/timer.h"

namespace shell {

inline constexpr double kTwipsPerPixelY = 14.5;
inline constexpr double kTwipsPerPixelX = 14.7;

// A window that slides, with its timers and steps in twips.
struct SlidingWindow {
    ui::Form& window;
    ui::SlidePosition& position;
    ui::Timer& rise;
    ui::Timer& dwell;
    ui::Timer& fall;
    std::int32_t riseStep;
    std::int32_t fallStep;
};

// Places the window at its start below the target, makes it visible and
// starts the rise.
void PlaceAboveTaskbar(const SlidingWindow& sliding, platform::Desktop& desktop);

// One tick of the rise: up by a step while the window is below its target;
// once it is not, the rise stops and the dwell starts.
void RiseTick(const SlidingWindow& sliding);

// The dwell is over: the fall starts.
void StartFall(const SlidingWindow& sliding);

// One tick of the fall: down by a step. True when the window has passed the
// end line, and the fall timer has stopped.
[[nodiscard]] bool FallTick(const SlidingWindow& sliding, std::int32_t endLine);

}  // namespace shell

#include "shell/slide_in.h"

#include "base/text.h"

namespace shell {

namespace {

std::int32_t Twips(double pixels, double twipsPerPixel) {
    return static_cast<std::int32_t>(base::RoundHalfEven(pixels * twipsPerPixel));
}

int Pixels(std::int32_t twips, double twipsPerPixel) {
    return static_cast<int>(base::RoundHalfEven(twips / twipsPerPixel));
}

void MoveToPosition(const SlidingWindow& sliding) {
    sliding.window.Move(Pixels(sliding.position.left, kTwipsPerPixelX),
                        Pixels(sliding.position.top, kTwipsPerPixelY));
}

}  // namespace

void PlaceAboveTaskbar(const SlidingWindow& sliding, platform::Desktop& desktop) {
    ui::SlidePosition& position = sliding.position;
    // 3. A missing taskbar counts as no height at all.
    const platform::ClientRect taskbar =
        desktop.TaskbarClientRect().value_or(platform::ClientRect{});
    const platform::ClientRect screen = desktop.DesktopClientRect();
    // 4.
    const std::int32_t taskbarHeight = Twips(taskbar.bottom, kTwipsPerPixelY);
    position.screenHeight = Twips(screen.bottom, kTwipsPerPixelY);
    // 5. The window is borderless, so its inner width is its width.
    position.top = position.screenHeight - taskbarHeight;
    position.left = Twips(screen.right - sliding.window.Width(), kTwipsPerPixelX);
    MoveToPosition(sliding);
    // 6.
    const std::int32_t windowHeight = Twips(sliding.window.Height(), kTwipsPerPixelY);
    position.targetTop = position.screenHeight - (windowHeight + 100);
    // 7.
    sliding.window.Show();
    sliding.rise.SetEnabled(true);
}

void RiseTick(const SlidingWindow& sliding) {
    if (sliding.position.top > sliding.position.targetTop) {
        sliding.position.top -= sliding.riseStep;
        MoveToPosition(sliding);
        return;
    }
    sliding.rise.SetEnabled(false);
    sliding.dwell.SetEnabled(true);
}

void StartFall(const SlidingWindow& sliding) {
    sliding.dwell.SetEnabled(false);
    sliding.fall.SetEnabled(true);
}

bool FallTick(const SlidingWindow& sliding, std::int32_t endLine) {
    sliding.position.top += sliding.fallStep;
    MoveToPosition(sliding);
    if (sliding.position.top > endLine) {
        sliding.fall.SetEnabled(false);
        return true;
    }
    return false;
}

}  // namespace shell

#pragma once

// The local clock from GetLocalTime, and GetTickCount64 for intervals.

#include "platform/clock.h"

namespace platform::win32 {

class ClockWin32 : public platform::Clock {
public:
    [[nodiscard]] DateTime Now() override;
    [[nodiscard]] std::uint64_t TickCount() override;
};

}  // namespace platform::win32

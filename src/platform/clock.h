#pragma once

// The local clock.

#include <compare>
#include <cstdint>

namespace platform {

// A local date and time to the second; dayOfWeek is 0 for Sunday.
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 6;

    friend bool operator==(const DateTime& a, const DateTime& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute && a.second == b.second;
    }
};

class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual DateTime Now() = 0;
    // Milliseconds since an arbitrary start; only differences mean anything.
    [[nodiscard]] virtual std::uint64_t TickCount() = 0;
};

}  // namespace platform

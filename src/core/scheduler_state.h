#pragma once

// What the scheduled-scan watcher keeps between its ticks.

#include <optional>

#include "platform/clock.h"

namespace scheduler {

// The stored schedule in the form the watcher compares: numbers read once
// from their texts, so that a tick that finds nothing due neither reads the
// settings nor formats a date.
struct WatchedSchedule {
    // The index of cmbDays; nullopt when "Day" is no whole number.
    std::optional<int> day;
    // Seconds since midnight; nullopt when "Time" is "Null" or no time.
    std::optional<int> secondOfDay;
    // Only year, month and day count; nullopt when "Date" is "Null" or no date.
    std::optional<platform::DateTime> date;
};

struct SchedulerState {
    // Read at the watcher's first tick and again whenever the program stores
    // a schedule.
    std::optional<WatchedSchedule> watched;
    // The moment (date and second) that the watcher last acted on. A moment
    // is due for a whole second, which a short scan can end within.
    std::optional<platform::DateTime> lastMoment;
};

}  // namespace scheduler

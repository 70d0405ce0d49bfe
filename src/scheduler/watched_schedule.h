#pragma once

// The stored schedule read into numbers, and the test whether it is due.

#include "core/scheduler_state.h"
#include "platform/clock.h"

namespace core {
class Application;
}

namespace scheduler {

// Reads "Day" (default 7), "Time" and "Date" (default "Null") from the store.
[[nodiscard]] WatchedSchedule ReadWatchedSchedule(core::Application& app);

// True during the whole second that the schedule names: on its weekday,
// every day, or on its date (the year included).
[[nodiscard]] bool IsScheduleDue(const WatchedSchedule& schedule, const platform::DateTime& now);

}  // namespace scheduler

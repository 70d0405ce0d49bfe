#pragma once

// The watcher of scheduled scans: the tick of tmrScheduler, while scheduling
// is on.

#include <chrono>

namespace core {
class Application;
}

namespace scheduler {

// The watcher's pace near the stored moment, and whenever its timer is
// switched on; far from the moment it wakes less often.
inline constexpr std::chrono::milliseconds kWatchCloseInterval{10};

// Starts the scan through the Start entry when the stored moment has come,
// at most once for each moment.
void tmrScheduler_Timer(core::Application& app);

}  // namespace scheduler

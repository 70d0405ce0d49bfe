#pragma once

// The watcher of scheduled scans: the tick of tmrScheduler, every 10 ms
// while scheduling is on.

namespace core {
class Application;
}

namespace scheduler {

// Starts the scan through the Start entry when the stored moment has come,
// at most once for each moment.
void tmrScheduler_Timer(core::Application& app);

}  // namespace scheduler

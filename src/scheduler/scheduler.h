#pragma once

// Scheduled scans: the schedule controls and the watcher, attached to the
// main window.

namespace core {
class Application;
}

namespace scheduler {

void AttachScheduler(core::Application& app);

}  // namespace scheduler

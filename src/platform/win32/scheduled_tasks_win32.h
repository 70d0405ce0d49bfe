#pragma once

// The scheduled tasks port on the Task Scheduler's own interface
// (ITaskService): every folder from the root, hidden tasks included.

#include "platform/scheduled_tasks.h"

namespace platform::win32 {

class ScheduledTasksWin32 : public platform::ScheduledTasks {
public:
    [[nodiscard]] std::optional<std::vector<ScheduledTask>> ListTasks() override;
};

}  // namespace platform::win32

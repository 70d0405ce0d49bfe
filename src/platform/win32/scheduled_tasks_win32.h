#pragma once

// The scheduled tasks port on the Task Scheduler's own interface
// (ITaskService): every folder from the root, hidden tasks included; a
// task's XML, its deletion and its registration from XML.

#include "platform/scheduled_tasks.h"

namespace platform::win32 {

class ScheduledTasksWin32 : public platform::ScheduledTasks {
public:
    [[nodiscard]] std::optional<std::vector<ScheduledTask>> ListTasks() override;
    [[nodiscard]] std::optional<std::string> ExportTask(std::string_view path) override;
    [[nodiscard]] TaskChange DeleteTask(std::string_view path) override;
    [[nodiscard]] TaskChange RegisterTask(std::string_view path, std::string_view xml) override;
};

}  // namespace platform::win32

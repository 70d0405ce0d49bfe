#pragma once

// The Task Scheduler's tasks, as its own interface describes them: each
// task's path, whether it is hidden or switched off, how often its triggers
// repeat it, and the programs its actions start.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct TaskProgram {
    // As the action names it (variables not expanded).
    std::string path;
    std::string arguments;
};

struct ScheduledTask {
    std::string path;  // "\Folder\Name"
    bool hidden = false;
    bool enabled = true;
    // The shortest interval at which a trigger repeats the task, in
    // minutes; 0 when none repeats it (or the triggers cannot be read).
    std::uint32_t repeatMinutes = 0;
    // The programs of its actions that start one (other kinds are left out).
    std::vector<TaskProgram> programs;
};

class ScheduledTasks {
public:
    virtual ~ScheduledTasks() = default;

    // Every task of every folder, hidden ones included; nullopt when the
    // Task Scheduler cannot be asked.
    [[nodiscard]] virtual std::optional<std::vector<ScheduledTask>> ListTasks() = 0;
};

}  // namespace platform

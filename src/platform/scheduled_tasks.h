#pragma once

// The Task Scheduler's tasks, as its own interface describes them: each
// task's path, whether it is hidden or switched off, how often its triggers
// repeat it, and the programs its actions start.

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
    // The intervals at which its triggers repeat it, as the scheduler writes
    // durations ("PT5M"); none when no trigger repeats it.
    std::vector<std::string> repetitions;
    // The programs of its actions that start one (other kinds are left out).
    std::vector<TaskProgram> programs;
    // The task's definition as XML, where the interface lists no programs
    // or no repetitions itself; "" otherwise.
    std::string definitionXml;
};

class ScheduledTasks {
public:
    virtual ~ScheduledTasks() = default;

    // Every task of every folder, hidden ones included; nullopt when the
    // Task Scheduler cannot be asked.
    [[nodiscard]] virtual std::optional<std::vector<ScheduledTask>> ListTasks() = 0;
};

}  // namespace platform

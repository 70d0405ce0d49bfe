#pragma once

// The Task Scheduler's tasks, as its own interface describes them: each
// task's path, whether it is hidden or switched off, how often its triggers
// repeat it, and the programs its actions start; and one task's definition
// exported, its deletion, and its registration from such a definition.

#include <optional>
#include <string>
#include <string_view>
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

enum class TaskChange {
    Done,
    NotFound,      // no task of that path
    AlreadyThere,  // a task of that path exists: nothing was written
    AccessDenied,  // the scheduler refused (a standard user)
    Failed,
};

class ScheduledTasks {
public:
    virtual ~ScheduledTasks() = default;

    // Every task of every folder, hidden ones included; nullopt when the
    // Task Scheduler cannot be asked.
    [[nodiscard]] virtual std::optional<std::vector<ScheduledTask>> ListTasks() = 0;

    // The task's whole definition as the scheduler exports it, as UTF-8
    // text; nullopt when there is no such task or it cannot be read.
    [[nodiscard]] virtual std::optional<std::string> ExportTask(std::string_view path) = 0;
    [[nodiscard]] virtual TaskChange DeleteTask(std::string_view path) = 0;
    // Registers the definition (UTF-8) as a new task of that path, never
    // over one that exists; its folder is made when missing.
    [[nodiscard]] virtual TaskChange RegisterTask(std::string_view path, std::string_view xml) = 0;
};

}  // namespace platform

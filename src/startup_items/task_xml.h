#pragma once

// What a scheduled task's XML says it starts and how often: for a Task
// Scheduler whose interface lists a task but not its actions or triggers
// (Wine's), the same facts from the task's own definition.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/scheduled_tasks.h"

namespace startup_items {

// The programs of the task's Exec actions, entities decoded.
[[nodiscard]] std::vector<platform::TaskProgram> ExecActionsInTaskXml(std::string_view xml);

// The shortest repetition interval of its triggers, in minutes; 0 for none.
[[nodiscard]] std::uint32_t ShortestIntervalInTaskXml(std::string_view xml);

// An ISO 8601 duration ("PT5M", "PT1H30M", "P1D") in whole minutes, at least
// 1 for any that is not zero; 0 for none or one that cannot be read.
[[nodiscard]] std::uint32_t DurationMinutes(std::string_view duration);

}  // namespace startup_items

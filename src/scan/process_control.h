#pragma once

// The running processes as the memory scan sees them, and stopping them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/processes.h"

namespace scan {

struct ProcessList {
    std::vector<std::string> names;
    std::vector<std::uint32_t> ids;
};

// The processes that have a name, in the platform's order; -1 (and empty
// lists) when the platform cannot list them.
int ListProcesses(platform::Processes& processes, ProcessList& list);

// The base name of a process's first module; "" when it cannot be read.
[[nodiscard]] std::string GetProcessBaseName(platform::Processes& processes, std::uint32_t id);

// Turns a module path in one of the system's own forms ("\SystemRoot\System32\x.exe")
// into an ordinary full path; expects the path trimmed and upper-cased.
[[nodiscard]] std::string ResolveSystem32Path(platform::Processes& processes,
                                              std::string_view path);

// Stops this very process, trying a few times; true when it has ended. A
// process that could not be held (nullptr) was not stopped.
[[nodiscard]] bool StopProcess(platform::HeldProcess* process);

// The upper-cased full path of the process's executable, with the system's
// own path forms resolved; nullopt when it cannot be read.
[[nodiscard]] std::optional<std::string> ExecutablePathOf(platform::Processes& processes,
                                                          std::uint32_t id);

// Stops every process started from this very file, and no other; true when
// none is left running (or none ran).
[[nodiscard]] bool StopProcessesOfFile(platform::Processes& processes, std::string_view path);

// Stops the first running process whose name matches (by its first 15
// characters, its name without extension, or the short alias of an 8.3
// name); true when it ended or none matched. Callers that know the process
// itself hold it and stop it with StopProcess.
[[nodiscard]] bool StopProcessByName(platform::Processes& processes, std::string_view name);

}  // namespace scan

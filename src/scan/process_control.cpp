#include "scan/process_control.h"

#include <chrono>
#include <memory>

#include "base/text.h"

namespace scan {

namespace {

constexpr int kStopAttempts = 11;

// A name as the process list is searched by it: its first 15 characters when
// it is that long, else the text before its first ".".
std::string TargetForm(std::string_view name) {
    if (name.size() >= 16) {
        return std::string(name.substr(0, 15));
    }
    return std::string(name.substr(0, name.find('.')));
}

// The short 8.3 alias that a long name goes by: up to six characters and "~1".
std::string ShortAlias(std::string_view name) {
    std::string alias = base::ReplaceAllIgnoreCase(name, ".exe", "");
    if (alias.size() >= 7) {
        alias.resize(6);
    }
    return base::UpperCase(alias) + "~1";
}

}  // namespace

std::string GetProcessBaseName(platform::Processes& processes, std::uint32_t id) {
    if (id == 0) {
        return "System Idle Process";
    }
    if (id == 2) {
        return "System";
    }
    return processes.BaseName(id).value_or("");
}

int ListProcesses(platform::Processes& processes, ProcessList& list) {
    list.names.clear();
    list.ids.clear();
    const std::optional<std::vector<std::uint32_t>> ids = processes.ListIds();
    if (!ids) {
        return -1;
    }
    for (std::uint32_t id : *ids) {
        std::string name = GetProcessBaseName(processes, id);
        if (name.empty()) {
            continue;
        }
        list.names.push_back(std::move(name));
        list.ids.push_back(id);
    }
    return static_cast<int>(list.ids.size());
}

std::string ResolveSystem32Path(platform::Processes& processes, std::string_view path) {
    const std::string upper = base::UpperCase(base::Trim(path));
    const std::string marker = "SYSTEM32\\";
    const std::size_t found = upper.rfind(marker);
    if (found == std::string::npos) {
        return std::string(path);
    }
    return processes.SystemDirectory() + "\\" + upper.substr(found + marker.size());
}

bool StopProcess(platform::HeldProcess* process) {
    if (process == nullptr) {
        return false;
    }
    for (int attempt = 0; attempt < kStopAttempts; ++attempt) {
        if (process->Terminate(0)) {
            return true;
        }
        // Only a process that has ended counts: one the platform merely
        // refuses to let go of is still running.
        if (process->WaitForExit(std::chrono::milliseconds(1))) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> ExecutablePathOf(platform::Processes& processes, std::uint32_t id) {
    const std::optional<std::string> module = processes.MainModulePath(id);
    if (!module) {
        return std::nullopt;
    }
    return base::UpperCase(ResolveSystem32Path(processes, base::UpperCase(base::Trim(*module))));
}

bool StopProcessesOfFile(platform::Processes& processes, std::string_view path) {
    const std::string file = base::UpperCase(base::Trim(path));
    bool allStopped = true;
    for (std::uint32_t id : processes.ListIds().value_or(std::vector<std::uint32_t>{})) {
        // Held before its path is read, so that the process stopped is the
        // one whose path matched; one seen running from the file that cannot
        // be held is not stopped.
        const std::unique_ptr<platform::HeldProcess> held = processes.Hold(id);
        if (ExecutablePathOf(processes, id) == file) {
            allStopped = StopProcess(held.get()) && allStopped;
        }
    }
    return allStopped;
}

bool StopProcessByName(platform::Processes& processes, std::string_view name) {
    const std::string alias = ShortAlias(name);
    const std::string target = base::Trim(TargetForm(name));
    ProcessList list;
    ListProcesses(processes, list);
    for (std::size_t i = 0; i < list.names.size(); ++i) {
        const std::string candidate = base::Trim(TargetForm(list.names[i]));
        if (base::EqualsIgnoreCase(candidate, target) || base::EqualsIgnoreCase(candidate, alias)) {
            const std::unique_ptr<platform::HeldProcess> held = processes.Hold(list.ids[i]);
            // Gone since it was listed: stopped. Still there under its name
            // but not to be held: not stopped.
            if (!held) {
                return !processes.BaseName(list.ids[i]).has_value();
            }
            return StopProcess(held.get());
        }
    }
    return true;
}

}  // namespace scan

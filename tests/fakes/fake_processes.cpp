#include "fakes/fake_processes.h"

namespace fakes {

FakeProcesses::Process& FakeProcesses::Add(std::uint32_t id, const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    processes.push_back({id, name, path, name});
    return processes.back();
}

FakeProcesses::Process* FakeProcesses::Find(std::uint32_t id) {
    for (Process& process : processes) {
        if (process.id == id) {
            return &process;
        }
    }
    return nullptr;
}

// A process that has ended is gone: it can no longer be opened or listed.
FakeProcesses::Process* FakeProcesses::FindRunning(std::uint32_t id) {
    Process* process = Find(id);
    return process != nullptr && process->running ? process : nullptr;
}

std::optional<std::vector<std::uint32_t>> FakeProcesses::ListIds() {
    if (failList) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> ids;
    for (const Process& process : processes) {
        if (process.running) {
            ids.push_back(process.id);
        }
    }
    return ids;
}

std::optional<std::string> FakeProcesses::BaseName(std::uint32_t id) {
    const Process* process = FindRunning(id);
    return process == nullptr ? std::nullopt : process->baseName;
}

std::optional<std::string> FakeProcesses::MainModulePath(std::uint32_t id) {
    const Process* process = FindRunning(id);
    return process == nullptr ? std::nullopt : process->modulePath;
}

std::optional<std::vector<platform::ProcessEntry>> FakeProcesses::Snapshot() {
    if (failSnapshot) {
        return std::nullopt;
    }
    std::vector<platform::ProcessEntry> entries;
    for (const Process& process : processes) {
        if (process.running) {
            entries.push_back({process.id, process.snapshotName});
        }
    }
    return entries;
}

bool FakeProcesses::End(std::uint32_t id, std::uint32_t exitCode, How how) {
    endCalls.push_back({id, exitCode, how});
    Process* process = FindRunning(id);
    if (process == nullptr || process->refusesToEnd) {
        return false;
    }
    process->running = false;
    return true;
}

bool FakeProcesses::Terminate(std::uint32_t id, std::uint32_t exitCode) {
    return End(id, exitCode, How::Terminate);
}

void FakeProcesses::EndProcess(std::uint32_t id) {
    End(id, kEndProcessCode, How::EndProcess);
}

bool FakeProcesses::WaitForExit(std::uint32_t id, std::chrono::milliseconds) {
    return FindRunning(id) == nullptr;
}

bool FakeProcesses::RunHidden(std::string_view program, std::string_view commandLine,
                              std::chrono::milliseconds timeout) {
    if (failRun) {
        return false;
    }
    runs.push_back(Run{std::string(program), std::string(commandLine), timeout});
    if (onRun) {
        onRun(runs.back());
    }
    return true;
}

}  // namespace fakes

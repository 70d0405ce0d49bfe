#include "fakes/fake_processes.h"

namespace fakes {

FakeProcesses::Process& FakeProcesses::Add(std::uint32_t id, const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    processes.push_back({id, name, path, name});
    return processes.back();
}

FakeProcesses::Process* FakeProcesses::Find(std::uint32_t id) {
    for (auto process = processes.rbegin(); process != processes.rend(); ++process) {
        if (process->id == id) {
            return &*process;
        }
    }
    return nullptr;
}

// A process that has ended is gone: it can no longer be opened or listed.
FakeProcesses::Process* FakeProcesses::FindRunning(std::uint32_t id) {
    for (Process& process : processes) {
        if (process.id == id && process.running) {
            return &process;
        }
    }
    return nullptr;
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

// A held process is an entry of the table, whatever has the identifier later.
class FakeProcesses::Held final : public platform::HeldProcess {
public:
    Held(FakeProcesses& owner, std::size_t index) : m_owner(owner), m_index(index) {}

    bool Terminate(std::uint32_t exitCode) override {
        return m_owner.End(m_index, exitCode, How::Terminate);
    }
    void End() override { m_owner.End(m_index, kEndProcessCode, How::EndProcess); }
    bool WaitForExit(std::chrono::milliseconds) override {
        return !m_owner.processes[m_index].running;
    }

private:
    FakeProcesses& m_owner;
    std::size_t m_index;
};

bool FakeProcesses::End(std::size_t index, std::uint32_t exitCode, How how) {
    Process& process = processes[index];
    endCalls.push_back({process.id, exitCode, how});
    if (!process.running || process.refusesToEnd) {
        return false;
    }
    process.running = false;
    return true;
}

std::unique_ptr<platform::HeldProcess> FakeProcesses::Hold(std::uint32_t id) {
    const Process* process = FindRunning(id);
    if (process == nullptr || process->refusesToBeHeld) {
        return nullptr;
    }
    return std::make_unique<Held>(*this, static_cast<std::size_t>(process - processes.data()));
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

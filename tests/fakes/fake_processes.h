#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/processes.h"

namespace fakes {

// A table of pretend processes. A process can be one that cannot be opened
// (no base name) or one that refuses to end; every attempt to end a process
// is recorded. A process that has ended stays in the table, so a test can
// give its identifier to a newcomer: a held process is still the one it was.
class FakeProcesses : public platform::Processes {
public:
    struct Process {
        std::uint32_t id = 0;
        std::optional<std::string> baseName;  // nullopt: the process cannot be opened
        std::optional<std::string> modulePath;
        std::string snapshotName;
        bool refusesToEnd = false;
        // Its name and path can be read, but the platform will not let it be
        // opened to end it or wait for it (another user's program).
        bool refusesToBeHeld = false;
        bool running = true;
    };

    enum class How { Terminate, EndProcess };
    struct EndCall {
        std::uint32_t id = 0;
        std::uint32_t exitCode = 0;
        How how = How::Terminate;
    };

    // The code that EndProcess passes on, as the real adapter does: its handle
    // may not query the process's own code, so the code stays 0.
    static constexpr std::uint32_t kEndProcessCode = 0;

    std::optional<std::vector<std::uint32_t>> ListIds() override;
    std::optional<std::string> BaseName(std::uint32_t id) override;
    std::optional<std::string> MainModulePath(std::uint32_t id) override;
    std::optional<std::vector<platform::ProcessEntry>> Snapshot() override;
    // Its Terminate ends the process unless it refuses; true when it ended.
    std::unique_ptr<platform::HeldProcess> Hold(std::uint32_t id) override;
    // Records the run; `onRun` may act as the program would.
    bool RunHidden(std::string_view program, std::string_view commandLine,
                   std::chrono::milliseconds timeout) override;
    std::string SystemDirectory() override { return systemDirectory; }

    // Adds a running process started from the file: its base name and snapshot
    // name are the file's name, its module path the whole path.
    Process& Add(std::uint32_t id, const std::string& path);
    // The latest process that had the identifier, running or not.
    [[nodiscard]] Process* Find(std::uint32_t id);

    std::vector<Process> processes;
    std::vector<EndCall> endCalls;
    struct Run {
        std::string program;
        std::string commandLine;
        std::chrono::milliseconds timeout{};
    };
    std::vector<Run> runs;
    std::function<void(const Run&)> onRun;
    bool failRun = false;
    bool failList = false;
    bool failSnapshot = false;
    std::string systemDirectory = "C:\\Windows\\system32";

private:
    class Held;
    [[nodiscard]] Process* FindRunning(std::uint32_t id);
    bool End(std::size_t index, std::uint32_t exitCode, How how);
};

}  // namespace fakes

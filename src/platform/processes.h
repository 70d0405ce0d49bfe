#pragma once

// The running processes: identifiers, names and module paths, the snapshot
// form of the list, and ending a process.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ProcessEntry {
    std::uint32_t id = 0;
    std::string exeFile;  // as the snapshot gives it: a name or a full path
};

// A process held from the moment it was found. While it is held no process
// started later can take its identifier, so whatever is done through it
// reaches this process and no other, even after it has ended.
class HeldProcess {
public:
    virtual ~HeldProcess() = default;

    // Ends the process with the exit code, with the debug privilege held for
    // the call; true when the platform accepted the termination.
    [[nodiscard]] virtual bool Terminate(std::uint32_t exitCode) = 0;

    // Ends the process with its own current exit code, when it can be opened
    // for termination.
    virtual void End() = 0;

    // Waits up to the time for the process to end; true once it has ended.
    [[nodiscard]] virtual bool WaitForExit(std::chrono::milliseconds timeout) = 0;
};

class Processes {
public:
    virtual ~Processes() = default;

    // The identifiers of all processes, in the platform's order; nullopt when
    // the platform cannot list them. The whole list is returned however long
    // it is.
    [[nodiscard]] virtual std::optional<std::vector<std::uint32_t>> ListIds() = 0;

    // The base name of the process's first module ("unknown" when the process
    // and its modules can be read but the name cannot); nullopt when the
    // process cannot be opened for query and read, or its modules cannot be
    // listed.
    [[nodiscard]] virtual std::optional<std::string> BaseName(std::uint32_t id) = 0;

    // The full path of the process's first module, as the platform reports
    // it; nullopt when the process or its modules cannot be read.
    [[nodiscard]] virtual std::optional<std::string> MainModulePath(std::uint32_t id) = 0;

    // A snapshot of the processes; nullopt when it cannot be taken.
    [[nodiscard]] virtual std::optional<std::vector<ProcessEntry>> Snapshot() = 0;

    // Holds the process with the identifier, to end it or wait for it;
    // nullptr when no such process runs or the platform will not let it be
    // held (it may then still run).
    [[nodiscard]] virtual std::unique_ptr<HeldProcess> Hold(std::uint32_t id) = 0;

    // Starts a program with its command line, without a window, and waits up
    // to the time for it to end. True when it started; whatever it does
    // after that, the caller goes on.
    [[nodiscard]] virtual bool RunHidden(std::string_view program, std::string_view commandLine,
                                         std::chrono::milliseconds timeout) = 0;

    // The system folder ("C:\Windows\system32"), without a trailing backslash.
    [[nodiscard]] virtual std::string SystemDirectory() = 0;
};

}  // namespace platform

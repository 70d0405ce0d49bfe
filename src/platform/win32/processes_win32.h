#pragma once

// The processes port on the process status and tool help APIs. A held
// process keeps a handle open, which keeps its identifier from being given to
// another process; its Terminate holds the debug privilege only for the
// length of the call. RunHidden starts a program without a window and never
// ends it.

#include "platform/processes.h"

namespace platform::win32 {

class ProcessesWin32 : public platform::Processes {
public:
    [[nodiscard]] std::optional<std::vector<std::uint32_t>> ListIds() override;
    [[nodiscard]] std::optional<std::string> BaseName(std::uint32_t id) override;
    [[nodiscard]] std::optional<std::string> MainModulePath(std::uint32_t id) override;
    [[nodiscard]] std::optional<std::vector<ProcessEntry>> Snapshot() override;
    [[nodiscard]] std::unique_ptr<HeldProcess> Hold(std::uint32_t id) override;
    [[nodiscard]] bool RunHidden(std::string_view program, std::string_view commandLine,
                                 std::chrono::milliseconds timeout) override;
    [[nodiscard]] std::string SystemDirectory() override;
};

}  // namespace platform::win32

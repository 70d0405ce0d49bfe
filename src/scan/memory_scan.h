#pragma once

// The memory phase of a scan, and the memory shield's pass: the running
// programs whose executable the definitions list. In a scan a finding is
// stopped at once; the shield asks the user.

#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace platform {
class HeldProcess;
}

namespace scan {

// One pass, by the platform's family.
void RunMemoryScan(core::Application& app);

void ScanProcessesNT(core::Application& app);
void ScanProcesses9x(core::Application& app);

// A finding on the NT family: stopped in a scan, put to the user by the
// shield. The process is the one found, held since (nullptr when it could not
// be held: it cannot be stopped).
void ReportMemoryFinding(core::Application& app, std::string_view name, std::string_view company,
                         platform::HeldProcess* process);

// True while a scan run is in progress (the shield's passes are the others).
[[nodiscard]] bool InScanMode(const core::Application& app);

}  // namespace scan

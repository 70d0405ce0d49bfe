#pragma once

// The scan report: a plain-text account of the last scan run (its times, its
// counters, the threats it left in the removal list, the user's exclusions
// and the quarantine log), kept in the data folder. Each report replaces the
// one before.

#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace report {

inline constexpr std::string_view kReportFileName = "Scan_Log.txt";

// `DataFolder` + "\Scan_Log.txt".
[[nodiscard]] std::string ReportPath(std::string_view dataFolder);

// Writes the report of the run that just ended. Nothing here stops the
// program: an unreadable source contributes nothing and a failed write
// leaves no report.
void MakeReport(core::Application& app);

}  // namespace report

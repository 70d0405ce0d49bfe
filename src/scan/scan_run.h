#pragma once

// A scan run: the Start, Stop and Pause of the scan page, the four phases in
// their fixed order, and what a run records when it ends.

namespace core {
class Application;
}

namespace scan {

// Start.
void cmdScanNow_Click(core::Application& app);
// The scheduler's entry: starts a run unless one is in progress.
void lblStart_Click(core::Application& app);
void RunScanPhases(core::Application& app);

// True when a run's loops end at their next line: Stop was answered, or the
// program is closing, when nothing more may be stopped, written or deleted.
[[nodiscard]] bool ScanMustEnd(const core::Application& app) noexcept;

void cmdStop_Click(core::Application& app);
void lblStop_Click(core::Application& app);
void cmdPause_Click(core::Application& app);
void lblPause_Click(core::Application& app);

// Shows the results page.
void cmdRemove_Click(core::Application& app);

void AttachScanRun(core::Application& app);

}  // namespace scan

#pragma once

// The report window: shows the last scan report, read afresh from its file
// each time the window opens.

namespace core {
class Application;
}

namespace report {

void AttachReportWindow(core::Application& app);

// frmReport's Load: the report, single-spaced, under the caption
// "<ProgramName> Log"; an empty text when there is no report.
void frmReport_Load(core::Application& app);

// The main window's report commands: the report window, modal, with the
// status page's "Show Report" label off while it is open.
void cmdLog_Click(core::Application& app);
void lblViewLogFile_Click(core::Application& app);

}  // namespace report

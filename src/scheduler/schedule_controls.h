#pragma once

// The schedule controls of the options page: what each change enables, and
// Apply and Reset.

namespace core {
class Application;
}

namespace scheduler {

void cmbDays_Click(core::Application& app);
void chkAutomaticScanYesOrNo_Click(core::Application& app);
void dtpScheduleDate_Change(core::Application& app);
void dtpScheduleTime_Click(core::Application& app);
// Apply.
void CmdProceed_Click(core::Application& app);
// Reset.
void cmdDefaultSetting_Click(core::Application& app);

}  // namespace scheduler

#include "scheduler/schedule_controls.h"

#include "core/application.h"
#include "scheduler/schedule_days.h"
#include "scheduler/schedule_settings.h"

namespace scheduler {

namespace {

void EmptyAndDisable(ui::DateTimePicker& picker) {
    picker.SetValue(std::nullopt);
    picker.SetEnabled(false);
}

// The pickers that a weekday, "Daily" or "Date & Time" uses; false for any
// other choice, which the caller handles.
bool ShowPickersOfDay(ui::FrmMain& main, int index) {
    if (index >= 0 && index <= kDaily) {
        EmptyAndDisable(*main.dtpScheduleDate);
        main.dtpScheduleTime->SetEnabled(true);
        return true;
    }
    if (index == kDateAndTime) {
        main.dtpScheduleDate->SetEnabled(true);
        main.dtpScheduleTime->SetEnabled(true);
        return true;
    }
    return false;
}

}  // namespace

void cmbDays_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    const int index = main.cmbDays->ListIndex();
    if (!ShowPickersOfDay(main, index) && index == kNever) {
        EmptyAndDisable(*main.dtpScheduleDate);
        EmptyAndDisable(*main.dtpScheduleTime);
    }
    main.CmdProceed->SetEnabled(true);
}

void chkAutomaticScanYesOrNo_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    if (main.chkAutomaticScanYesOrNo->Checked()) {
        main.tmrScheduler->SetEnabled(true);
        main.cmbDays->SetEnabled(true);
        // Clearing the box disabled both pickers; "Date & Time" needs them
        // back too, or its date could not be chosen until the day is chosen
        // anew.
        [[maybe_unused]] const bool shown = ShowPickersOfDay(main, main.cmbDays->ListIndex());
    } else {
        main.cmbDays->SetEnabled(false);
        main.dtpScheduleDate->SetEnabled(false);
        main.dtpScheduleTime->SetEnabled(false);
        main.tmrScheduler->SetEnabled(false);
    }
    main.CmdProceed->SetEnabled(true);
}

void dtpScheduleDate_Change(core::Application& app) {
    app.frmMain.CmdProceed->SetEnabled(true);
}

void dtpScheduleTime_Click(core::Application& app) {
    app.frmMain.CmdProceed->SetEnabled(true);
}

void CmdProceed_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    // A refused choice stays in the controls for the user to complete.
    if (!SaveSchedule(app)) {
        return;
    }
    LoadSchedule(app);
    // Showing the stored choice runs the controls' change handlers, which
    // enable Apply; what is shown is now what is stored.
    main.CmdProceed->SetEnabled(false);
}

void cmdDefaultSetting_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.cmbDays->SetListIndex(kDaily);
    main.chkAutomaticScanYesOrNo->SetValue(0);
    CmdProceed_Click(app);
}

}  // namespace scheduler

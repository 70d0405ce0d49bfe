#include "scheduler/scheduler.h"

#include "core/application.h"
#include "scheduler/schedule_controls.h"
#include "scheduler/schedule_watcher.h"

namespace scheduler {

void AttachScheduler(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.cmbDays->onClick = [&app] {
        cmbDays_Click(app);
    };
    main.chkAutomaticScanYesOrNo->onClick = [&app] {
        chkAutomaticScanYesOrNo_Click(app);
    };
    main.dtpScheduleDate->onChange = [&app] {
        dtpScheduleDate_Change(app);
    };
    main.dtpScheduleTime->onClick = [&app] {
        dtpScheduleTime_Click(app);
    };
    // The time picker tells of a new time through its change, not always
    // through a click; either way there is something to apply.
    main.dtpScheduleTime->onChange = [&app] {
        dtpScheduleTime_Click(app);
    };
    main.CmdProceed->onClick = [&app] {
        CmdProceed_Click(app);
    };
    main.cmdDefaultSetting->onClick = [&app] {
        cmdDefaultSetting_Click(app);
    };
    main.tmrScheduler->onTimer = [&app] {
        tmrScheduler_Timer(app);
    };
    // Whatever switches the watcher on (the end of a scan or shield pass, the
    // window leaving its normal state), it may be inside the due second: the
    // first tick measures anew how near the moment is.
    main.tmrScheduler->SetStartInterval(kWatchCloseInterval);
}

}  // namespace scheduler

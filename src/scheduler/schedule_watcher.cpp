#include "scheduler/schedule_watcher.h"

#include "core/application.h"
#include "scan/scan_run.h"
#include "scheduler/watched_schedule.h"

namespace scheduler {

void tmrScheduler_Timer(core::Application& app) {
    SchedulerState& state = app.scheduler;
    ui::FrmMain& main = app.frmMain;
    // 1. Read once; storing a schedule reads it again.
    if (!state.watched) {
        state.watched = ReadWatchedSchedule(app);
    }
    // 2. and 3.
    const platform::DateTime now = app.ports.clock.Now();
    if (!IsScheduleDue(*state.watched, now)) {
        return;
    }
    // The moment stays due for the rest of its second, and a scan may end
    // within it: each moment is acted on once.
    if (state.lastMoment == now) {
        return;
    }
    state.lastMoment = now;
    // 4. A scan is running: this moment is missed, and that scan's flag of
    // automatic removal is left as it is.
    if (!main.cmdScanNow->Enabled()) {
        return;
    }
    app.scan.AutoRemoveAfterScan = main.chkAutoDel->Checked();
    scan::lblStart_Click(app);
    app.scan.AutoRemoveAfterScan = false;
}

}  // namespace scheduler

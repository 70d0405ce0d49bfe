#include "scheduler/schedule_watcher.h"

#include <chrono>

#include "core/application.h"
#include "scan/scan_run.h"
#include "scheduler/watched_schedule.h"

namespace scheduler {

namespace {

constexpr std::chrono::milliseconds kFarInterval{500};
// Close enough to the moment to watch it every 10 ms: two seconds leave a
// slow tick that comes late still time to switch before the moment begins.
constexpr int kCloseSeconds = 2;

// The watcher looks every 10 ms only when the stored moment is near. Far
// from it, waking a hundred times a second would cost the idle program more
// than all its shields; twice a second notices as well that it comes near.
std::chrono::milliseconds WatchInterval(const WatchedSchedule& watched,
                                        const platform::DateTime& now) {
    if (!watched.secondOfDay) {
        return kFarInterval;
    }
    constexpr int kSecondsPerDay = 24 * 60 * 60;
    const int nowSecond = now.hour * 3600 + now.minute * 60 + now.second;
    const int ahead =
        ((*watched.secondOfDay - nowSecond) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    return ahead <= kCloseSeconds ? kWatchCloseInterval : kFarInterval;
}

}  // namespace

void tmrScheduler_Timer(core::Application& app) {
    SchedulerState& state = app.scheduler;
    ui::FrmMain& main = app.frmMain;
    // 1. Read once; storing a schedule reads it again.
    if (!state.watched) {
        state.watched = ReadWatchedSchedule(app);
    }
    // 2. and 3.
    const platform::DateTime now = app.ports.clock.Now();
    if (const std::chrono::milliseconds pace = WatchInterval(*state.watched, now);
        main.tmrScheduler->Interval() != pace) {
        main.tmrScheduler->SetInterval(pace);
    }
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

// The watcher of scheduled scans: when a stored moment starts the scan, that
// it does so once, and how the window's state and a running scan stand in
// its way.

#include "scheduler/schedule_watcher.h"

#include "core/background_timers.h"
#include "scan/scan_run.h"
#include "scheduler_fixture.h"

namespace scheduler {
namespace {

using testing::At;

class ScheduleWatcher : public testing::SchedulerFixture {};

TEST_F(ScheduleWatcher, DailyAtMidnightStartsTheScanAtMidnightAndShowsTheScanPage) {
    StoreSchedule("7", "12:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 7, 23, 59, 58));
    Live(At(2026, 12, 7, 23, 59, 59));
    EXPECT_EQ(scansStarted, 0);

    Live(At(2026, 12, 8, 0, 0, 0));
    EXPECT_EQ(scansStarted, 1);
    EXPECT_TRUE(Main().frmScan->Visible());
    EXPECT_EQ(UserSetting("Settings", "lblLastScan"), "12/8/2026") << "the scan ran to its end";
    EXPECT_FALSE(app->scan.AutoRemoveAfterScan);

    Live(At(2026, 12, 8, 0, 0, 1));
    Live(At(2026, 12, 9, 0, 0, 0));
    EXPECT_EQ(scansStarted, 2) << "and again the next midnight";
}

TEST_F(ScheduleWatcher, AWeekdayScheduleFiresOnlyOnThatWeekday) {
    StoreSchedule("2", "9:00:00 AM");  // Wednesday
    StartInTray();
    for (int day = 7; day <= 13; ++day) {
        Live(At(2026, 12, day, 9, 0, 0));
        EXPECT_EQ(scansStarted, day >= 9 ? 1 : 0) << "on the " << day << "th";
    }
}

TEST_F(ScheduleWatcher, SundayIsTheLastWeekdayAndMondayTheFirst) {
    StoreSchedule("6", "9:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 12, 9, 0, 0));  // Saturday
    Live(At(2026, 12, 14, 9, 0, 0));  // Monday
    EXPECT_EQ(scansStarted, 0);
    Live(At(2026, 12, 13, 9, 0, 0));  // Sunday
    EXPECT_EQ(scansStarted, 1);
}

TEST_F(ScheduleWatcher, AnEmptyTimeNeverFires) {
    StoreSchedule("7", "Null");
    StartInTray();
    for (const platform::DateTime& second :
         {At(2026, 12, 8, 0, 0, 0), At(2026, 12, 8, 8, 0, 0), At(2026, 12, 8, 12, 0, 0)}) {
        Live(second);
    }
    EXPECT_EQ(scansStarted, 0);
    EXPECT_TRUE(Main().tmrScheduler->Enabled()) << "the watcher ran all along";
}

TEST_F(ScheduleWatcher, ACheckedBoxWithoutAStoredScheduleNeverFires) {
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
    StartInTray();
    EXPECT_EQ(Main().cmbDays->ListIndex(), 7) << "shown as Daily";
    for (const platform::DateTime& second :
         {At(2026, 12, 8, 0, 0, 0), At(2026, 12, 8, 8, 0, 0), At(2026, 12, 8, 12, 0, 0)}) {
        Live(second);
    }
    EXPECT_EQ(scansStarted, 0);
}

TEST_F(ScheduleWatcher, ADateAndTimeFiresOnItsDateOnlyNotAgainNorAYearLater) {
    StoreSchedule("8", "10:00:00 AM", "12/7/2026");
    StartInTray();
    Live(At(2026, 12, 7, 10, 0, 0));
    Live(At(2026, 12, 8, 10, 0, 0));
    Live(At(2027, 12, 7, 10, 0, 0));
    EXPECT_EQ(scansStarted, 1);
}

TEST_F(ScheduleWatcher, ADateAndTimeWhoseDateIsEmptyNeverFires) {
    StoreSchedule("8", "10:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 7, 10, 0, 0));
    EXPECT_EQ(scansStarted, 0);
}

TEST_F(ScheduleWatcher, AScanThatEndsWithinItsSecondIsNotStartedAgain) {
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    // The fake clock stands still during the scan: it ends within the second,
    // and the watcher ticks ninety-odd times more in it.
    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 1);
    EXPECT_TRUE(Main().tmrScheduler->Enabled()) << "the scan's end switched the watcher on";
}

TEST_F(ScheduleWatcher, AutomaticRemovalRunsOnceForTheMomentAndAsksNothing) {
    // A file that cannot be deleted is found again by any later scan.
    machine.fileSystem.AddFile("C:\\Evil\\evil.exe").locked = true;
    FileDefinitions({"evil.exe=Evil|C:\\Evil"});
    SetUserSetting("Settings", "chkAutoDel", "1");
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    ASSERT_TRUE(Main().chkAutoDel->Checked());
    Live(At(2026, 12, 7, 9, 0, 0));
    Live(At(2026, 12, 7, 9, 0, 1));

    EXPECT_EQ(scansStarted, 1);
    int removals = 0;
    for (const auto& call : machine.systemRestore.calls) {
        removals += call.eventType == platform::restore_event::kBeginSystemChange ? 1 : 0;
    }
    EXPECT_EQ(removals, 1);
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_FALSE(app->scan.AutoRemoveAfterScan);
}

TEST_F(ScheduleWatcher, WithoutAutomaticRemovalTheFindingsWaitForTheUser) {
    machine.fileSystem.AddFile("C:\\Evil\\evil.exe");
    FileDefinitions({"evil.exe=Evil|C:\\Evil"});
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 1);
    EXPECT_EQ(Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount(), 1);
    EXPECT_NE(machine.fileSystem.Find("C:\\Evil\\evil.exe"), nullptr);
    EXPECT_TRUE(machine.systemRestore.calls.empty());
}

TEST_F(ScheduleWatcher, AMomentThatArrivesDuringAManualScanIsMissed) {
    StoreSchedule("7", "9:00:00 AM");
    FileDefinitions({"absent.dll=Absent|C:\\Nowhere", "gone.dll=Gone|C:\\Nowhere"});
    StartInTray();
    machine.clock.now = At(2026, 12, 7, 8, 59, 59);
    // The scan runs across the moment. The user brings the window up and
    // sends it back meanwhile, which switches the watcher on during the scan.
    int yields = 0;
    machine.eventLoop.onYield = [&] {
        if (++yields == 1) {
            app::RestoreFromTray(*app);
            Main().SetWindowState(ui::WindowState::Minimized);
            machine.clock.now = At(2026, 12, 7, 9, 0, 0);
            Main().tmrScheduler->Tick();
            machine.clock.now = At(2026, 12, 7, 9, 0, 1);
        }
    };
    scan::cmdScanNow_Click(*app);
    machine.eventLoop.onYield = nullptr;
    ASSERT_GT(yields, 0);
    EXPECT_EQ(scansStarted, 0) << "no second scan while one runs";

    Live(At(2026, 12, 7, 9, 0, 1));
    EXPECT_EQ(scansStarted, 0) << "nor afterwards";
}

TEST_F(ScheduleWatcher, WithTheHomePageShieldOffTheNormalWindowHoldsTheScheduleBack) {
    StoreSchedule("7", "9:00:00 AM");
    Start();
    ASSERT_EQ(Main().State(), ui::WindowState::Normal);
    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 0) << "the window opened in its normal state";

    app::SendToTray(*app);
    Live(At(2026, 12, 8, 9, 0, 0));
    EXPECT_EQ(scansStarted, 1);

    app::RestoreFromTray(*app);
    Live(At(2026, 12, 9, 9, 0, 0));
    EXPECT_EQ(scansStarted, 1);

    Main().SetWindowState(ui::WindowState::Minimized);
    Live(At(2026, 12, 10, 9, 0, 0));
    EXPECT_EQ(scansStarted, 2);
}

TEST_F(ScheduleWatcher, WithTheHomePageShieldOnTheScheduleFiresInTheNormalWindowToo) {
    SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", "True");
    StoreSchedule("7", "9:00:00 AM");
    Start();
    // Every tick of the home page shield ends by switching the timers on by
    // their settings; this stands in for the shield's pass.
    Main().tmrCheckHomePage->onTimer = [this] {
        core::ApplyTimerSettings(*app, true);
    };
    ASSERT_EQ(Main().State(), ui::WindowState::Normal);
    ASSERT_FALSE(Main().tmrScheduler->Enabled());
    for (int second = 50; second < 60; ++second) {
        Live(At(2026, 12, 7, 8, 59, second));
    }
    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 1);
}

TEST_F(ScheduleWatcher, FarFromItsMomentTheWatcherWakesTwiceASecondAndEvery10MsNearIt) {
    using std::chrono::milliseconds;
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 7, 8, 30, 0));
    EXPECT_EQ(Main().tmrScheduler->Interval(), milliseconds(500));
    Live(At(2026, 12, 7, 8, 59, 58));
    EXPECT_EQ(Main().tmrScheduler->Interval(), milliseconds(10));
    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 1);
    Live(At(2026, 12, 7, 9, 0, 1));
    EXPECT_EQ(Main().tmrScheduler->Interval(), milliseconds(500)) << "a day to the next one";

    // A clock set forward onto the moment is still seen within its second.
    Live(At(2026, 12, 8, 9, 0, 0));
    EXPECT_EQ(scansStarted, 2);
}

TEST_F(ScheduleWatcher, ATimerSwitchedOnLateInTheDueSecondStillStartsTheScan) {
    using std::chrono::milliseconds;
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 7, 8, 30, 0));
    // A shield pass holds the timers off across the start of the moment.
    core::ApplyTimerSettings(*app, false);
    machine.clock.now = At(2026, 12, 7, 9, 0, 0);
    machine.eventLoop.Advance(milliseconds(700));
    core::ApplyTimerSettings(*app, true);
    machine.eventLoop.Advance(milliseconds(300));
    Live(At(2026, 12, 7, 9, 0, 1));
    EXPECT_EQ(scansStarted, 1);

    // The window comes back from the tray and goes there again late in the
    // next day's moment.
    Live(At(2026, 12, 7, 12, 0, 0));
    app::RestoreFromTray(*app);
    machine.clock.now = At(2026, 12, 8, 9, 0, 0);
    machine.eventLoop.Advance(milliseconds(800));
    app::SendToTray(*app);
    machine.eventLoop.Advance(milliseconds(200));
    Live(At(2026, 12, 8, 9, 0, 1));
    EXPECT_EQ(scansStarted, 2);
}

TEST_F(ScheduleWatcher, AScheduleWithoutATimeIsWatchedTwiceASecond) {
    StoreSchedule("7", "Null");
    StartInTray();
    Live(At(2026, 12, 7, 8, 30, 0));
    EXPECT_EQ(Main().tmrScheduler->Interval(), std::chrono::milliseconds(500));
}

TEST_F(ScheduleWatcher, AnIdleTickReadsNoSetting) {
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 7, 8, 30, 0));
    const int opens = machine.registry.opens;
    for (int tick = 0; tick < 100; ++tick) {
        Main().tmrScheduler->Tick();
    }
    EXPECT_EQ(machine.registry.opens, opens);

    // What it keeps is the stored schedule nonetheless.
    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 1);
}

}  // namespace
}  // namespace scheduler

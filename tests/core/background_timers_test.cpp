#include "core/background_timers.h"

#include "app/app_fixture.h"

namespace core {
namespace {

class BackgroundTimers : public testing::AppFixture {
protected:
    BackgroundTimers() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
    }

    std::vector<bool> Running() {
        ui::FrmMain& m = Main();
        return {m.tmrScheduler->Enabled(), m.tmrCheckHomePage->Enabled(),
                m.tmrMemoryInspected->Enabled(), m.tmrScroll->Enabled()};
    }
};

TEST_F(BackgroundTimers, OnStartsTheTimersByTheirSettingsAndOffStopsThemAndTheTimeOut) {
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
    StartProgram();
    ApplyTimerSettings(*app, false);
    EXPECT_FALSE(Main().tmrTimeOut->Enabled());
    EXPECT_EQ(Running(), (std::vector<bool>{false, false, false, true}));
    ApplyTimerSettings(*app, true);
    EXPECT_EQ(Running(), (std::vector<bool>{true, true, true, true}));
    EXPECT_FALSE(Main().tmrTimeOut->Enabled()) << "on does not restart the time-out";
}

TEST_F(BackgroundTimers, TheNormalStateStopsSchedulerAndMemoryShieldButNotTheHomePageShield) {
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
    StartProgram();
    Main().SetWindowState(ui::WindowState::Minimized);
    EXPECT_EQ(Running(), (std::vector<bool>{true, true, true, false}));
    EXPECT_FALSE(Main().ShownInTaskList());

    Main().SetWindowState(ui::WindowState::Normal);
    EXPECT_EQ(Running(), (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(Main().ShownInTaskList());
    EXPECT_EQ(UserSetting("Settings", "Minimized"), "No");

    // The home page shield's next tick ends with the timers on again.
    ApplyTimerSettings(*app, true);
    EXPECT_EQ(Running(), (std::vector<bool>{true, true, true, true}));
}

TEST_F(BackgroundTimers, MaximizingRunsTheTimersAsMinimizingDoes) {
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
    StartProgram();
    Main().SetWindowState(ui::WindowState::Maximized);
    EXPECT_EQ(Running(), (std::vector<bool>{true, true, true, false}));
}

TEST_F(BackgroundTimers, WithTheShieldsOffNothingRunsInTheBackground) {
    SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", "False");
    SetUserSetting("OptionAndSettings", "optMemorySheildOn", "False");
    StartProgram();
    Main().SetWindowState(ui::WindowState::Minimized);
    EXPECT_EQ(Running(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(BackgroundTimers, TheTimeOutTimerIsOffAfterStartUpAndRaisesItsFlagWhenOn) {
    // Every tick of a shield stops the time-out timer for good.
    SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", "False");
    SetUserSetting("OptionAndSettings", "optMemorySheildOn", "False");
    StartProgram();
    EXPECT_FALSE(Main().tmrTimeOut->Enabled());
    Main().tmrTimeOut->SetEnabled(true);
    EXPECT_FALSE(app->TimedOut);
    machine.eventLoop.Advance(std::chrono::milliseconds(30000));
    EXPECT_TRUE(app->TimedOut);
}

TEST_F(BackgroundTimers, TheScrollTimerYieldsOnlyInTheNormalState) {
    StartProgram();
    const int before = machine.eventLoop.yields;
    machine.eventLoop.Advance(std::chrono::milliseconds(1000));
    EXPECT_EQ(machine.eventLoop.yields - before, 5);
}

}  // namespace
}  // namespace core

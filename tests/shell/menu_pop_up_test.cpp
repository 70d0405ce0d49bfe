// The tray pop-up: how the icon calls it up, how it slides, rests and goes,
// and its three commands.

#include "shell/menu_pop_up.h"

#include "app/app_fixture.h"
#include "app/tray.h"

namespace shell {
namespace {

using std::chrono::milliseconds;

class MenuPopUp : public core::testing::AppFixture {
protected:
    MenuPopUp() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }

    ui::FrmMenuPopUp& PopUp() { return app->frmMenuPopUp; }
    void Advance(int ms) { machine.eventLoop.Advance(milliseconds(ms)); }

    // In the tray, with the pop-up that sending it there slid in gone again.
    void InTheTray() {
        app::SendToTray(*app);
        Advance(10000);
        ASSERT_FALSE(PopUp().IsLoaded());
    }
};

// The fake screen is 1024 by 768 pixels with a taskbar 30 pixels high; the
// pop-up is 180 by 168.
constexpr int kStartTop = 738;    // (768 - 30) * 14.5 twips
constexpr int kRestingTop = 589;  // 27 steps of 80 twips up, just past the target
constexpr int kLeft = 844;        // flush with the right edge

TEST_F(MenuPopUp, SendingTheWindowToTheTraySlidesThePopUpIn) {
    app::SendToTray(*app);
    EXPECT_TRUE(PopUp().Visible());
    EXPECT_TRUE(PopUp().mnuMaxmimaize->Enabled());
    EXPECT_EQ(PopUp().lblName->Caption(), "Acme Sweeper");
    EXPECT_EQ(PopUp().Caption(), "Acme Sweeper");
}

TEST_F(MenuPopUp, ASingleClickOnTheIconShowsThePopUpRisingAboveTheTaskbar) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    EXPECT_TRUE(PopUp().Visible());
    EXPECT_EQ(PopUp().Left(), kLeft);
    EXPECT_EQ(PopUp().Top(), kStartTop);
    EXPECT_TRUE(PopUp().tmrMenuPopup->Enabled());

    Advance(100);
    EXPECT_EQ(PopUp().Top(), kRestingTop);
    EXPECT_FALSE(PopUp().tmrMenuPopup->Enabled());
    EXPECT_TRUE(PopUp().TmrEnablePopDown->Enabled());
    EXPECT_FALSE(Main().Visible());
}

TEST_F(MenuPopUp, ARightButtonShowsItToo) {
    InTheTray();
    machine.notifyIcon.Send(app::kRightButtonDown);
    EXPECT_TRUE(PopUp().Visible());
}

TEST_F(MenuPopUp, OtherMouseMessagesOfTheIconAreIgnored) {
    InTheTray();
    for (int message : {512, 514, 517, 519}) {
        machine.notifyIcon.Send(message);
    }
    EXPECT_FALSE(PopUp().IsLoaded());
    EXPECT_FALSE(Main().Visible());
}

TEST_F(MenuPopUp, ADoubleClickRestoresTheMainWindowAndHidesThePopUpForGood) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    machine.notifyIcon.Send(app::kLeftDoubleClick);
    EXPECT_TRUE(Main().Visible());
    EXPECT_EQ(Main().State(), ui::WindowState::Normal);
    EXPECT_FALSE(PopUp().Visible());

    // Its slide goes on out of sight and does not bring it back.
    Advance(3000);
    EXPECT_FALSE(PopUp().Visible());
    Advance(5000);
    EXPECT_FALSE(PopUp().IsLoaded());
}

TEST_F(MenuPopUp, AClickWhileItIsUpShowsItAgainWithoutRestartingTheSlide) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    Advance(3000);
    machine.notifyIcon.Send(app::kLeftButtonDown);
    EXPECT_EQ(PopUp().Top(), kRestingTop);
    EXPECT_FALSE(PopUp().tmrMenuPopup->Enabled());
    // The dwell that began with the first click ends on time.
    Advance(3200);
    EXPECT_FALSE(PopUp().IsLoaded());
}

TEST_F(MenuPopUp, RestingItSlidesOutAboutSixSecondsLaterAndUnloads) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    Advance(5900);
    EXPECT_TRUE(PopUp().Visible());
    EXPECT_EQ(PopUp().Top(), kRestingTop);
    Advance(200);
    EXPECT_FALSE(PopUp().IsLoaded());
    // It went down until it passed the end line, 2000 twips above the
    // screen's bottom.
    EXPECT_EQ(PopUp().Top(), 630);
}

TEST_F(MenuPopUp, WithThePointerMovingOverItItNeverSlidesOut) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    for (int second = 0; second < 30; ++second) {
        Advance(900);
        if (second % 2 == 0) {
            PopUp().MouseMove({});
        } else {
            PopUp().mnuClose->MouseMove({});
        }
    }
    EXPECT_TRUE(PopUp().Visible());
    EXPECT_FALSE(PopUp().tmrPopDown->Enabled());
    EXPECT_EQ(PopUp().Top(), kRestingTop);

    // Once the pointer rests, it goes about six seconds later.
    Advance(5000);
    EXPECT_TRUE(PopUp().IsLoaded());
    Advance(1500);
    EXPECT_FALSE(PopUp().IsLoaded());
}

TEST_F(MenuPopUp, ShowProgramIsDisabledWhileTheMainWindowIsVisible) {
    machine.notifyIcon.Send(app::kLeftButtonDown);  // the icon is not there yet
    EXPECT_FALSE(PopUp().IsLoaded());

    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    EXPECT_TRUE(PopUp().mnuMaxmimaize->Enabled());
    machine.notifyIcon.Send(app::kLeftDoubleClick);
    // The icon stays with the window shown; the pop-up it calls up then
    // offers only what makes sense.
    machine.notifyIcon.Send(app::kLeftButtonDown);
    EXPECT_TRUE(PopUp().Visible());
    EXPECT_FALSE(PopUp().mnuMaxmimaize->Enabled());
    Advance(10000);
    machine.notifyIcon.Send(app::kLeftButtonDown);
    EXPECT_FALSE(PopUp().mnuMaxmimaize->Enabled());
}

TEST_F(MenuPopUp, ExitProgramNeedsTheResultsOrTheOptionsPageAvailable) {
    Main().lblResult->SetEnabled(false);
    Main().lblOptions->SetEnabled(false);
    app::SendToTray(*app);
    EXPECT_FALSE(PopUp().mnuClose->Enabled());
    Advance(10000);
    Main().lblOptions->SetEnabled(true);
    machine.notifyIcon.Send(app::kLeftButtonDown);
    EXPECT_TRUE(PopUp().mnuClose->Enabled());
}

TEST_F(MenuPopUp, ShowProgramBringsTheMainWindowBackAndTheMenuSlidesAway) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    Advance(100);
    PopUp().mnuMaxmimaize->Click();
    EXPECT_TRUE(Main().Visible());
    EXPECT_EQ(Main().State(), ui::WindowState::Normal);
    EXPECT_TRUE(PopUp().tmrPopDown->Enabled());
    Advance(100);
    EXPECT_FALSE(PopUp().IsLoaded());
    EXPECT_TRUE(machine.notifyIcon.shown);
}

TEST_F(MenuPopUp, ExitProgramEndsTheProgramAndRecordsThatItStopped) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    PopUp().mnuClose->Click();
    EXPECT_FALSE(PopUp().IsLoaded());
    EXPECT_FALSE(machine.notifyIcon.shown);
    EXPECT_EQ(UserSetting("OptionAndSettings", "STATUS"), "STOPPED");
    EXPECT_TRUE(machine.eventLoop.quit);
}

TEST_F(MenuPopUp, CloseThisMenuSlidesItAwayEvenWhileItRises) {
    InTheTray();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    Advance(5);
    PopUp().lblMenuClose->Click();
    EXPECT_FALSE(PopUp().tmrMenuPopup->Enabled());
    EXPECT_TRUE(PopUp().tmrPopDown->Enabled());
    Advance(50);
    EXPECT_FALSE(PopUp().IsLoaded());
    EXPECT_FALSE(Main().Visible());
}

TEST_F(MenuPopUp, CloseThisMenuIsBoldOnlyWhileThePointerIsOverIt) {
    app::SendToTray(*app);
    PopUp().lblMenuClose->MouseMove({});
    EXPECT_EQ(PopUp().lblMenuClose->LookHint(), ui::Look::Strong);
    PopUp().mnuMaxmimaize->MouseMove({});
    EXPECT_EQ(PopUp().lblMenuClose->LookHint(), ui::Look::Normal);
    PopUp().lblMenuClose->MouseMove({});
    PopUp().MouseMove({});
    EXPECT_EQ(PopUp().lblMenuClose->LookHint(), ui::Look::Normal);
}

TEST_F(MenuPopUp, WithoutATaskbarItRisesFromTheBottomEdgeOfTheScreen) {
    machine.desktop.taskbar.reset();
    app::SendToTray(*app);
    EXPECT_EQ(PopUp().Top(), 768);
    EXPECT_EQ(PopUp().Left(), kLeft);
    Advance(100);
    // 2436 twips up from 11136 in steps of 80, past the same target.
    EXPECT_EQ(PopUp().Top(), 591);
}

TEST_F(MenuPopUp, ATallerTaskbarStartsItHigher) {
    machine.desktop.taskbar = platform::ClientRect{0, 0, 1280, 48};
    machine.desktop.desktop = platform::ClientRect{0, 0, 1280, 1024};
    app::SendToTray(*app);
    EXPECT_EQ(PopUp().Top(), 1024 - 48);
    EXPECT_EQ(PopUp().Left(), 1280 - 180);
}

}  // namespace
}  // namespace shell

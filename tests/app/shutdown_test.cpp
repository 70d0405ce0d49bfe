#include "app/shutdown.h"

#include "app/tray.h"
#include "app_fixture.h"

namespace core {
namespace {

class Shutdown : public testing::AppFixture {
protected:
    Shutdown() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }
};

TEST_F(Shutdown, ExitRecordsStoppedLayoutAndEndsTheProgram) {
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ColumnResizedByUser(0, 120);
    Main().mnuFileItem[ui::FrmMain::kFileExit]->Click();

    EXPECT_EQ(UserSetting("OptionAndSettings", "STATUS"), "STOPPED");
    EXPECT_EQ(UserSetting("OptionAndSettings", "RESTART"), "False");
    EXPECT_EQ(UserSetting("Settings", "FoundCol21"), "1800");
    EXPECT_EQ(UserSetting("Settings", "FoundCol23"), "1395");
    EXPECT_EQ(UserSetting("Settings", "Max"), "0");
    EXPECT_FALSE(app->frmHidden.IsLoaded());
    EXPECT_FALSE(app->frmDelete.IsLoaded());
    EXPECT_TRUE(machine.eventLoop.quit);
}

TEST_F(Shutdown, TheCloseLabelDoesNotRecordStopped) {
    Main().lblHide->Click();
    EXPECT_EQ(UserSetting("OptionAndSettings", "STATUS"), "RUNNING");
    EXPECT_EQ(UserSetting("Settings", "Max"), "0");
    EXPECT_FALSE(Main().Visible());
    EXPECT_TRUE(machine.eventLoop.quit);
}

TEST_F(Shutdown, AMaximizedWindowIsRememberedAsSuch) {
    Main().SetWindowState(ui::WindowState::Maximized);
    Main().Unload(ui::UnloadMode::ControlMenu);
    EXPECT_EQ(UserSetting("Settings", "Max"), "1");
}

TEST_F(Shutdown, ExitFromTheTrayStartsTheNextRunInTheTray) {
    app::SendToTray(*app);
    EXPECT_TRUE(machine.notifyIcon.shown);
    app::ExitFromTray(*app);
    EXPECT_EQ(UserSetting("OptionAndSettings", "STATUS"), "STOPPED");
    EXPECT_FALSE(machine.notifyIcon.shown);
    EXPECT_TRUE(machine.eventLoop.quit);

    RunAgain();
    EXPECT_FALSE(Main().Visible());
    EXPECT_TRUE(machine.notifyIcon.shown);
    EXPECT_EQ(UserSetting("Settings", "Minimized"), "Yes");
}

TEST_F(Shutdown, ExitFromTheNormalWindowStartsTheNextRunNormally) {
    app::SendToTray(*app);
    machine.notifyIcon.Send(app::kLeftDoubleClick);
    EXPECT_TRUE(Main().Visible());
    Main().mnuFileItem[ui::FrmMain::kFileExit]->Click();

    RunAgain();
    EXPECT_TRUE(Main().Visible());
    EXPECT_EQ(UserSetting("Settings", "Minimized"), "No");
}

TEST_F(Shutdown, TheExitWaitsForTheWebsiteWindow) {
    Main().cmdWebsite->Click();
    ASSERT_TRUE(app->frmWebsite.Visible());
    Main().mnuFileItem[ui::FrmMain::kFileExit]->Click();
    EXPECT_FALSE(machine.eventLoop.quit);
    machine.eventLoop.Advance(std::chrono::milliseconds(1000));
    EXPECT_TRUE(machine.eventLoop.quit);
    ASSERT_EQ(machine.shell.executed.size(), 1u);
    EXPECT_EQ(machine.shell.executed[0].file, "http://www.acme.example");
}

TEST_F(Shutdown, TheWebsiteWindowClosesAfterEveryVisitAndTheExitStillEnds) {
    for (int visit = 1; visit <= 2; ++visit) {
        Main().cmdWebsite->Click();
        ASSERT_TRUE(app->frmWebsite.Visible()) << "visit " << visit;
        machine.eventLoop.Advance(std::chrono::milliseconds(1000));
        EXPECT_FALSE(app->frmWebsite.IsLoaded()) << "visit " << visit;
    }
    Main().cmdWebsite->Click();
    Main().mnuFileItem[ui::FrmMain::kFileExit]->Click();
    machine.eventLoop.Advance(std::chrono::milliseconds(1000));
    EXPECT_FALSE(app->frmWebsite.IsLoaded());
    EXPECT_TRUE(machine.eventLoop.quit);
    EXPECT_EQ(machine.shell.executed.size(), 3u);
}

}  // namespace
}  // namespace core

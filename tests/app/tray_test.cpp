#include "app/tray.h"

#include "app_fixture.h"

namespace core {
namespace {

class Tray : public testing::AppFixture {
protected:
    Tray() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }
};

TEST_F(Tray, SendToTrayHidesTheWindowAndShowsTheIconWithTheProductName) {
    Main().Command5->Click();
    EXPECT_FALSE(Main().Visible());
    EXPECT_EQ(Main().State(), ui::WindowState::Minimized);
    EXPECT_TRUE(machine.notifyIcon.shown);
    EXPECT_EQ(machine.notifyIcon.icon, "AAA");
    EXPECT_EQ(machine.notifyIcon.tip, "Acme Sweeper");
    EXPECT_TRUE(app->tray.bRunningInTray());
    EXPECT_EQ(UserSetting("Settings", "Minimized"), "Yes");
}

TEST_F(Tray, ADoubleClickOnTheIconBringsTheWindowBackAndTheIconStays) {
    Main().mnuFileItem[ui::FrmMain::kFileMinimizeToTray]->Click();
    machine.notifyIcon.Send(app::kLeftButtonDown);
    EXPECT_FALSE(Main().Visible());
    machine.notifyIcon.Send(app::kRightDoubleClick);
    EXPECT_TRUE(Main().Visible());
    EXPECT_EQ(Main().State(), ui::WindowState::Normal);
    EXPECT_TRUE(machine.notifyIcon.shown);
}

TEST_F(Tray, ToolTipChangesOnlyWhileTheIconIsShown) {
    app->tray.ChangeToolTip(Main(), "Scanning");
    EXPECT_EQ(machine.notifyIcon.modifies, 0);
}

}  // namespace
}  // namespace core

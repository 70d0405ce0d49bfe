// The one notification-area icon that the main window and the download
// window share.

#include "core/cls_tray.h"

#include "app/app_fixture.h"
#include "app/tray.h"
#include "update/live_update.h"

namespace shell {
namespace {

using std::chrono::milliseconds;

class SharedTrayIcon : public core::testing::AppFixture {
protected:
    SharedTrayIcon() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }

    void ExpectTheMainWindowsIcon() {
        EXPECT_TRUE(machine.notifyIcon.shown);
        EXPECT_EQ(machine.notifyIcon.icon, "AAA");
        EXPECT_EQ(machine.notifyIcon.tip, "Acme Sweeper");
        EXPECT_TRUE(app->tray.bRunningInTray());
        // And the icon answers for the main window again.
        machine.notifyIcon.Send(app::kLeftDoubleClick);
        EXPECT_TRUE(Main().Visible());
    }
};

TEST_F(SharedTrayIcon, ChangeToolTipBeforeAnyShowIconDoesNothing) {
    app->tray.ChangeToolTip(Main(), "Scanning");
    EXPECT_EQ(machine.notifyIcon.modifies, 0);
    EXPECT_FALSE(machine.notifyIcon.shown);
    EXPECT_FALSE(app->tray.bRunningInTray());
}

TEST_F(SharedTrayIcon, TheDownloadWindowShowsItsOwnIconWhileAnUpdateWorks) {
    app::SendToTray(*app);
    std::string tipDuringUpdate;
    machine.eventLoop.onYield = [&] {
        if (tipDuringUpdate.empty() && app->frmDownload.IsLoaded()) {
            tipDuringUpdate = machine.notifyIcon.tip;
        }
    };
    update::cmdUpdate_Click(*app);
    EXPECT_EQ(tipDuringUpdate, "Getting latest definitions.");
}

TEST_F(SharedTrayIcon, AnUpdateWhileTheProgramSitsInTheTrayGivesTheMainWindowItsIconBack) {
    app::SendToTray(*app);
    update::cmdUpdate_Click(*app);
    EXPECT_FALSE(app->frmDownload.IsLoaded());
    ExpectTheMainWindowsIcon();
}

TEST_F(SharedTrayIcon, TheIconStaysWhenTheNoticeGoesAfterAnAutomaticUpdate) {
    app::SendToTray(*app);
    Main().timUpdate->SetEnabled(true);
    machine.eventLoop.Advance(milliseconds(302 * 1000));
    EXPECT_FALSE(Main().timUpdate->Enabled());
    // The notice has slid away and run its OK, which removes the download
    // window's icon once more.
    machine.eventLoop.Advance(milliseconds(20 * 1000));
    EXPECT_FALSE(app->frmSignatureUpdated.IsLoaded());
    ExpectTheMainWindowsIcon();
}

TEST_F(SharedTrayIcon, WithTheMainWindowShownNoIconComesBack) {
    update::cmdUpdate_Click(*app);
    EXPECT_FALSE(machine.notifyIcon.shown);
    EXPECT_FALSE(app->tray.bRunningInTray());
}

TEST_F(SharedTrayIcon, ExitingDuringAnUpdateLeavesNoIcon) {
    app::SendToTray(*app);
    bool exited = false;
    machine.eventLoop.onYield = [&] {
        if (!exited && app->frmDownload.IsLoaded()) {
            exited = true;
            app->frmMenuPopUp.Load();
            app->frmMenuPopUp.mnuClose->Click();
        }
    };
    update::cmdUpdate_Click(*app);
    EXPECT_TRUE(exited);
    EXPECT_FALSE(machine.notifyIcon.shown);
}

}  // namespace
}  // namespace shell

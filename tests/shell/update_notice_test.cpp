// The slide of Live Update's notice: it rises above the taskbar, rests seven
// seconds, falls and closes as its OK button would.

#include "shell/update_notice.h"

#include "app/app_fixture.h"
#include "update/live_update.h"

namespace shell {
namespace {

using std::chrono::milliseconds;

class UpdateNotice : public core::testing::AppFixture {
protected:
    UpdateNotice() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }

    ui::FrmSignatureUpdated& Notice() { return app->frmSignatureUpdated; }
    void Advance(int ms) { machine.eventLoop.Advance(milliseconds(ms)); }
};

// The fake screen is 1024 by 768 pixels with a taskbar 30 pixels high; the
// notice is 320 by 150.
TEST_F(UpdateNotice, RisesRestsSevenSecondsFallsAndRunsOk) {
    SetUserSetting("OptionAndSettings", "SHOW", "True");
    update::cmdUpdate_Click(*app);
    EXPECT_TRUE(Notice().Visible());
    EXPECT_EQ(Notice().Top(), 738);
    EXPECT_EQ(Notice().Left(), 1024 - 320);
    EXPECT_EQ(Notice().lblUpdateInfo->Caption(),
              "You are using the most recent Acme Sweeper definitions.");

    // 92 steps of 20 twips, one each 10 ms, up to the target 100 twips
    // above its height.
    Advance(900);
    EXPECT_TRUE(Notice().tmrPopupSignatureUpdate->Enabled());
    Advance(50);
    EXPECT_FALSE(Notice().tmrPopupSignatureUpdate->Enabled());
    EXPECT_TRUE(Notice().tmrEnablePopDownTimer->Enabled());
    EXPECT_EQ(Notice().Top(), 611);  // 8861 twips

    Advance(6900);
    EXPECT_EQ(Notice().Top(), 611);
    EXPECT_FALSE(Notice().tmrPopDown->Enabled());
    Advance(200);
    EXPECT_TRUE(Notice().tmrPopDown->Enabled());
    EXPECT_FALSE(Notice().tmrEnablePopDownTimer->Enabled());

    // It falls 40 twips a tick until it has passed the line at 11167 twips.
    Advance(400);
    EXPECT_TRUE(Notice().IsLoaded());
    Advance(300);
    EXPECT_FALSE(Notice().IsLoaded());
    EXPECT_EQ(Notice().Top(), 771);  // 11181 twips
    EXPECT_EQ(UserSetting("OptionAndSettings", "SHOW"), "false");
}

TEST_F(UpdateNotice, ANoticeClosedWhileItRestsDoesNotHurryTheNextOne) {
    update::cmdUpdate_Click(*app);
    Advance(2000);
    Notice().cmdUpdateSuccesfullOK->Click();
    EXPECT_FALSE(Notice().IsLoaded());

    update::cmdUpdate_Click(*app);
    Advance(5000);
    EXPECT_TRUE(Notice().Visible());
    EXPECT_EQ(Notice().Top(), 611);
    EXPECT_FALSE(Notice().tmrPopDown->Enabled());
}

}  // namespace
}  // namespace shell

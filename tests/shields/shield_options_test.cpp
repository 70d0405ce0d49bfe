#include "shields/shield_options.h"

#include "app/app_fixture.h"

namespace shields {
namespace {

class ShieldOptions : public core::testing::AppFixture {
protected:
    ShieldOptions() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }
};

TEST_F(ShieldOptions, TheHomePageBoxStoresBothKeysAndSwitchesTheShield) {
    Main().chkHomePage->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOn"), "False");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOff"), "True");
    EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
    EXPECT_FALSE(Main().optAlwaysnotifybeforerestoring->Enabled());
    EXPECT_FALSE(Main().optRestoredefaultwithoutnotification->Enabled());
    EXPECT_FALSE(Main().chkBrowserShield->Enabled()) << "it runs on the home page shield's tick";
    EXPECT_TRUE(Main().optIEHomePageSheildOff->Value()) << "the options page agrees";

    Main().chkHomePage->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOn"), "True");
    EXPECT_TRUE(Main().tmrCheckHomePage->Enabled());
    EXPECT_TRUE(Main().optAlwaysnotifybeforerestoring->Enabled());
}

TEST_F(ShieldOptions, TheHomePageOptionsStoreTheirOwnSelections) {
    Main().optIEHomePageSheildOff->SetValue(true);
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOn"), "False");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOff"), "True");
    EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
    EXPECT_EQ(Main().chkHomePage->Value(), 0) << "the status page agrees";
}

TEST_F(ShieldOptions, TheRestoreModePairStoresBothKeys) {
    Main().optRestoredefaultwithoutnotification->SetValue(true);
    EXPECT_EQ(UserSetting("OptionAndSettings", "optRestoredefaultwithoutnotification"), "True");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optAlwaysnotifybeforerestoring"), "False");
}

TEST_F(ShieldOptions, TheMemoryShieldControlsSwitchItsTimer) {
    Main().tmrMemoryInspected->SetEnabled(true);
    Main().chkAutoProtect->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "optMemorySheildOn"), "False");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optMemorySheildOff"), "True");
    EXPECT_FALSE(Main().tmrMemoryInspected->Enabled());
    EXPECT_TRUE(Main().optMemorySheildOff->Value());

    Main().optMemorySheildOn->SetValue(true);
    EXPECT_TRUE(Main().tmrMemoryInspected->Enabled());
    EXPECT_EQ(Main().chkAutoProtect->Value(), 1);
    EXPECT_EQ(UserSetting("OptionAndSettings", "optMemorySheildOn"), "True");
}

TEST_F(ShieldOptions, TheBrowserShieldControlsAgreeAndTheChoiceOutlivesTheRun) {
    EXPECT_EQ(Main().chkBrowserShield->Value(), 1) << "on by default";
    Main().chkBrowserShield->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "optBrowserShieldOn"), "False");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optBrowserShieldOff"), "True");
    EXPECT_TRUE(Main().optBrowserShieldOff->Value());
    EXPECT_TRUE(Main().tmrCheckHomePage->Enabled()) << "the home page shield goes on";

    RunAgain();
    EXPECT_EQ(Main().chkBrowserShield->Value(), 0);
    EXPECT_TRUE(Main().optBrowserShieldOff->Value());
    Main().optBrowserShieldOn->SetValue(true);
    EXPECT_EQ(UserSetting("OptionAndSettings", "optBrowserShieldOn"), "True");
    EXPECT_EQ(Main().chkBrowserShield->Value(), 1);
}

}  // namespace
}  // namespace shields

#include "core/option_handlers.h"

#include "app_fixture.h"

namespace core {
namespace {

class OptionHandlers : public testing::AppFixture {
protected:
    OptionHandlers() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }
};

TEST_F(OptionHandlers, TheHomePageBoxStoresBothKeysAndSwitchesTheShield) {
    Main().chkHomePage->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOn"), "False");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOff"), "True");
    EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
    EXPECT_FALSE(Main().optAlwaysnotifybeforerestoring->Enabled());
    EXPECT_FALSE(Main().optRestoredefaultwithoutnotification->Enabled());
    EXPECT_TRUE(Main().optIEHomePageSheildOff->Value()) << "the options page agrees";

    Main().chkHomePage->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOn"), "True");
    EXPECT_TRUE(Main().tmrCheckHomePage->Enabled());
    EXPECT_TRUE(Main().optAlwaysnotifybeforerestoring->Enabled());
}

TEST_F(OptionHandlers, TheHomePageOptionsStoreTheirOwnSelections) {
    Main().optIEHomePageSheildOff->SetValue(true);
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOn"), "False");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optIEHomePageSheildOff"), "True");
    EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
    EXPECT_EQ(Main().chkHomePage->Value(), 0) << "the status page agrees";
}

TEST_F(OptionHandlers, TheRestoreModePairStoresBothKeys) {
    Main().optRestoredefaultwithoutnotification->SetValue(true);
    EXPECT_EQ(UserSetting("OptionAndSettings", "optRestoredefaultwithoutnotification"), "True");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optAlwaysnotifybeforerestoring"), "False");
}

TEST_F(OptionHandlers, TheMemoryShieldControlsSwitchItsTimer) {
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

TEST_F(OptionHandlers, TheCompleteScanShowsTheDriveList) {
    EXPECT_FALSE(Main().lvwHardDrives->Visible());
    Main().optScanAllSelectedHardDrive->SetValue(true);
    EXPECT_TRUE(Main().lvwHardDrives->Visible());
    EXPECT_EQ(UserSetting("OptionAndSettings", "optScanAllSelectedHardDrive"), "True");
    EXPECT_EQ(UserSetting("OptionAndSettings", "optScanOnlyKnownSoftwares"), "False");
}

TEST_F(OptionHandlers, CheckBoxesStoreTheirStateUnderTheirOwnNames) {
    Main().chkMakeLog->UserToggle();
    Main().chkScanRegistry->UserToggle();
    Main().chkAutoDel->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkMakeLog"), "0");
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkScanRegistry"), "0");
    EXPECT_EQ(UserSetting("Settings", "chkAutoDel"), "1");
}

TEST_F(OptionHandlers, AutomaticUpdateTakesEffectOnlyAtTheNextStart) {
    const bool running = Main().timUpdate->Enabled();
    Main().chkAutomaticUpdate->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkAutomaticUpdate"), "0");
    EXPECT_EQ(Main().timUpdate->Enabled(), running);
}

TEST_F(OptionHandlers, TickingADriveStoresEveryDrive) {
    machine.fileSystem.drives = {{'C', platform::DriveType::Fixed, true},
                                 {'E', platform::DriveType::CdRom, false}};
    RunAgain();
    Main().lvwHardDrives->UserSetChecked(1, false);
    EXPECT_EQ(UserSetting("Drives", "C"), "True");
    EXPECT_EQ(UserSetting("Drives", "E"), "False");
}

}  // namespace
}  // namespace core

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

#include "app/load_settings.h"

#include <limits>

#include "app_fixture.h"

namespace core {
namespace {

class LoadSettings : public testing::AppFixture {
protected:
    LoadSettings() {
        SetUserSetting("Settings", "Language", "English");  // no chooser
        machine.dialogs.answers = {platform::MessageAnswer::No};
    }
};

TEST_F(LoadSettings, AFirstStartOnAnEmptyProfileStoresTheLoadedValues) {
    StartProgram();
    const std::vector<std::pair<std::string, std::string>> expected{
        {"optIEHomePageSheildOn", "True"},
        {"optIEHomePageSheildOff", "False"},
        {"optMemorySheildOn", "True"},
        {"chkMakeLog", "1"},
        {"chkSweepMemory", "1"},
        {"chkScanRegistry", "1"},
        {"chkScanCookies", "1"},
        {"chkAutomaticUpdate", "1"},
        {"optScanOnlyKnownSoftwares", "True"},
        {"optScanAllSelectedHardDrive", "False"},
        {"SHOW", "True"}};
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(UserSetting("OptionAndSettings", key), value) << key;
    }
    EXPECT_FALSE(UserSetting("OptionAndSettings", "chkSendData").has_value());
    EXPECT_EQ(Main().chkSendData->Value(), 1) << "the box shows checked all the same";
    EXPECT_FALSE(UserSetting("OptionAndSettings", "chkRunAtStartup").has_value());
}

TEST_F(LoadSettings, EveryStartBeginsWithAQuickScan) {
    SetUserSetting("OptionAndSettings", "optScanAllSelectedHardDrive", "True");
    SetUserSetting("OptionAndSettings", "optScanOnlyKnownSoftwares", "False");
    StartProgram();
    EXPECT_TRUE(Main().optScanOnlyKnownSoftwares->Value());
    EXPECT_FALSE(Main().optScanAllSelectedHardDrive->Value());
    EXPECT_EQ(UserSetting("OptionAndSettings", "optScanAllSelectedHardDrive"), "False");
}

TEST_F(LoadSettings, StoredChoicesShowInTheControls) {
    SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", "false");
    SetUserSetting("OptionAndSettings", "optIEHomePageSheildOff", "TRUE");
    SetUserSetting("OptionAndSettings", "optRestoredefaultwithoutnotification", "True");
    SetUserSetting("OptionAndSettings", "optAlwaysnotifybeforerestoring", "False");
    SetUserSetting("OptionAndSettings", "chkMakeLog", "0");
    SetUserSetting("OptionAndSettings", "chkScanCookies", "0");
    StartProgram();
    EXPECT_FALSE(Main().optIEHomePageSheildOn->Value());
    EXPECT_TRUE(Main().optIEHomePageSheildOff->Value());
    EXPECT_EQ(Main().chkHomePage->Value(), 0);
    EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
    EXPECT_FALSE(Main().optAlwaysnotifybeforerestoring->Enabled())
        << "the restore choice is off while the shield is";
    EXPECT_TRUE(Main().optRestoredefaultwithoutnotification->Value());
    EXPECT_EQ(Main().chkMakeLog->Value(), 0);
    EXPECT_EQ(Main().chkScanCookies->Value(), 0);
}

TEST_F(LoadSettings, AFlagThatIsNoTruthValueLeavesItsControlAlone) {
    SetUserSetting("OptionAndSettings", "optMemorySheildOn", "perhaps");
    SetUserSetting("OptionAndSettings", "chkMakeLog", "7");
    StartProgram();
    EXPECT_FALSE(Main().optMemorySheildOn->Value());
    EXPECT_EQ(Main().chkAutoProtect->Value(), 0);
    EXPECT_EQ(Main().chkMakeLog->Value(), 0);
    EXPECT_EQ(UserSetting("OptionAndSettings", "optMemorySheildOn"), "perhaps");
}

TEST_F(LoadSettings, DrivesThatWereNeverTickedLoadTicked) {
    machine.fileSystem.drives = {{'A', platform::DriveType::Removable, false},
                                 {'C', platform::DriveType::Fixed, true},
                                 {'D', platform::DriveType::Fixed, true}};
    SetUserSetting("Drives", "D", "False");
    StartProgram();
    const ui::ListView& drives = *Main().lvwHardDrives;
    ASSERT_EQ(drives.ItemCount(), 3);
    EXPECT_TRUE(drives.Item(0).checked);
    EXPECT_TRUE(drives.Item(1).checked);
    EXPECT_FALSE(drives.Item(2).checked);
}

TEST_F(LoadSettings, TheWindowOpensMaximizedWhenItWasMaximizedAtExit) {
    SetUserSetting("Settings", "Max", "1");
    StartProgram();
    EXPECT_EQ(Main().State(), ui::WindowState::Maximized);
    // A maximized window runs the background timers like a minimized one.
    EXPECT_TRUE(Main().tmrMemoryInspected->Enabled());
    EXPECT_FALSE(Main().tmrScroll->Enabled());
}

TEST_F(LoadSettings, ColumnWidthsAreStoredInTwips) {
    SetUserSetting("Settings", "FoundCol21", "3000");
    StartProgram();
    const ui::ListView& found = *Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    EXPECT_EQ(found.Column(0).width, 200);
    EXPECT_EQ(found.Column(1).width, 1400 / app::kTwipsPerPixel);
}

TEST_F(LoadSettings, AStoredColumnWidthOutOfRangeIsClamped) {
    SetUserSetting("Settings", "FoundCol21", "-3000");
    SetUserSetting("Settings", "FoundCol22", "99999999999999999999");
    StartProgram();
    const ui::ListView& found = *Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    EXPECT_EQ(found.Column(0).width, 1400 / app::kTwipsPerPixel) << "a hidden column is no width";
    EXPECT_GT(found.Column(1).width, 1400 / app::kTwipsPerPixel);
    EXPECT_LT(found.Column(1).width, std::numeric_limits<int>::max() / app::kTwipsPerPixel);
}

TEST_F(LoadSettings, ScheduledScansEnableTheScheduleControls) {
    StartProgram();
    EXPECT_FALSE(Main().cmbDays->Enabled());
    EXPECT_FALSE(Main().dtpScheduleTime->Enabled());
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
    RunAgain();
    EXPECT_TRUE(Main().cmbDays->Enabled());
    EXPECT_TRUE(Main().dtpScheduleDate->Enabled());
    EXPECT_EQ(Main().chkAutomaticScanYesOrNo->Value(), 1);
}

class FerngateEdition : public LoadSettings {
protected:
    FerngateEdition() {
        machine.programFile.version.productName = "Ferngate";
        machine.osVersion.info.majorVersion = 5;  // before Vista: the entry is written
    }
};

TEST_F(FerngateEdition, RunsAtStartupByDefaultOnTheVeryFirstLoadOnly) {
    StartProgram();
    EXPECT_EQ(Main().chkRunAtStartup->Value(), 1);
    EXPECT_EQ(UserSetting("Settings", "ranOneTime"), "1");
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkRunAtStartup"), "1");

    SetUserSetting("OptionAndSettings", "chkRunAtStartup", "0");
    RunAgain();
    EXPECT_EQ(Main().chkRunAtStartup->Value(), 0);
}

}  // namespace
}  // namespace core

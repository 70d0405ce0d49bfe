#include "app/option_handlers.h"

#include "app_fixture.h"
#include "core/quarantine_retention.h"

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

TEST_F(OptionHandlers, TheQuarantinesRetentionIsOffUntilChosenAndComesBackAtTheNextStart) {
    EXPECT_EQ(Main().chkPurgeQuarantine->Value(), 0);
    EXPECT_FALSE(Main().txtPurgeQuarantineDays->Enabled());
    EXPECT_EQ(QuarantineRetentionDays(*app), std::nullopt);

    Main().chkPurgeQuarantine->UserToggle();
    EXPECT_TRUE(Main().txtPurgeQuarantineDays->Enabled());
    Main().txtPurgeQuarantineDays->SetText("14");
    // What is not a number of days leaves the last good one in force.
    for (const char* typed : {"", "0", "-3", "abc", "100000"}) {
        Main().txtPurgeQuarantineDays->SetText(typed);
    }
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkPurgeQuarantine"), "1");
    EXPECT_EQ(UserSetting("OptionAndSettings", "txtPurgeQuarantineDays"), "14");

    RunAgain();
    EXPECT_EQ(Main().chkPurgeQuarantine->Value(), 1);
    EXPECT_EQ(Main().txtPurgeQuarantineDays->Text(), "14");
    EXPECT_TRUE(Main().txtPurgeQuarantineDays->Enabled());
    EXPECT_EQ(QuarantineRetentionDays(*app), 14);

    // A stored number that no box could have stored gives the default.
    SetUserSetting("OptionAndSettings", "txtPurgeQuarantineDays", "-5");
    RunAgain();
    EXPECT_EQ(Main().txtPurgeQuarantineDays->Text(), std::to_string(kDefaultRetentionDays));
    EXPECT_EQ(QuarantineRetentionDays(*app), kDefaultRetentionDays);
}

// A log's date, written in some user's short date form, is read at its
// latest possible day; a text that reads in no order gives none.
TEST(LatestDayOfUserDate, ReadsEveryOrderAndTakesTheLatestDay) {
    const struct {
        const char* text;
        std::optional<platform::DateTime> day;
    } cases[] = {
        {"01/12/2024 10:00:00", platform::DateTime{2024, 12, 1, 23, 59, 59}},
        {"12/1/2024 10:00:00 AM", platform::DateTime{2024, 12, 1, 23, 59, 59}},
        {"13.01.2024 10:00:00", platform::DateTime{2024, 1, 13, 23, 59, 59}},
        {"2024-01-02", platform::DateTime{2024, 1, 2, 23, 59, 59}},
        {"1/2/24", platform::DateTime{2024, 2, 1, 23, 59, 59}},
        // Year first with two digits, as some locales write it: never 2001.
        {"24/12/01", platform::DateTime{2024, 12, 1, 23, 59, 59}},
        {"1-Dec-2024 10:00:00", std::nullopt},
        {"31/02/2024", std::nullopt},
        {"112/1/2024", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LatestDayOfUserDate(c.text), c.day) << c.text;
    }
}

}  // namespace
}  // namespace core

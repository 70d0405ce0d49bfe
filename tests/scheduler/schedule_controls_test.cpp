// The schedule controls: what each change enables, what Apply stores and
// refuses, Reset, and what loading the stored schedule shows.

#include "scheduler/schedule_controls.h"

#include <functional>

#include "scheduler/schedule_settings.h"
#include "scheduler_fixture.h"

namespace scheduler {
namespace {

using testing::At;

class ScheduleControls : public testing::SchedulerFixture {
protected:
    // The user's choice of a schedule, made in the controls.
    void Choose(int day, std::optional<platform::DateTime> date,
                std::optional<platform::DateTime> time) {
        if (!Main().chkAutomaticScanYesOrNo->Checked()) {
            Main().chkAutomaticScanYesOrNo->UserToggle();
        }
        Main().cmbDays->SetListIndex(day);
        Main().dtpScheduleDate->SetValue(date);
        Main().dtpScheduleTime->SetValue(time);
    }

    std::vector<std::optional<std::string>> StoredSchedule() const {
        return {UserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo"),
                UserSetting("OptionAndSettings", "Day"), UserSetting("OptionAndSettings", "Time"),
                UserSetting("OptionAndSettings", "Date")};
    }

    ui::DateTimePicker& Date() { return *Main().dtpScheduleDate; }
    ui::DateTimePicker& Time() { return *Main().dtpScheduleTime; }
};

TEST_F(ScheduleControls, TheChosenDayDecidesWhichPickersCanBeUsed) {
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
    Start();
    Date().SetValue(At(2026, 12, 24, 0, 0, 0));
    Time().SetValue(At(2026, 12, 7, 18, 0, 0));

    Main().cmbDays->SetListIndex(8);
    EXPECT_TRUE(Date().Enabled());
    EXPECT_TRUE(Time().Enabled());

    Main().cmbDays->SetListIndex(3);
    EXPECT_FALSE(Date().Enabled());
    EXPECT_FALSE(Date().Value().has_value());
    EXPECT_TRUE(Time().Enabled());
    EXPECT_TRUE(Time().Value().has_value());

    Main().cmbDays->SetListIndex(9);
    EXPECT_FALSE(Time().Enabled());
    EXPECT_FALSE(Time().Value().has_value());
    EXPECT_FALSE(Date().Enabled());
    EXPECT_TRUE(Main().CmdProceed->Enabled());
}

TEST_F(ScheduleControls, EveryChangeEnablesApply) {
    Start();
    const auto afterApply = [this](const std::function<void()>& change) {
        Main().CmdProceed->SetEnabled(false);
        change();
        return Main().CmdProceed->Enabled();
    };
    EXPECT_TRUE(afterApply([this] { Main().cmbDays->SetListIndex(2); }));
    EXPECT_TRUE(afterApply([this] { Main().chkAutomaticScanYesOrNo->UserToggle(); }));
    EXPECT_TRUE(afterApply([this] { Date().SetValue(At(2026, 12, 24, 0, 0, 0)); }));
    EXPECT_TRUE(afterApply([this] { Time().Click(); }));
    EXPECT_TRUE(afterApply([this] { Time().SetValue(At(2026, 12, 7, 18, 30, 0)); }))
        << "a time changed with the keyboard is a change too";
}

TEST_F(ScheduleControls, TheCheckBoxSwitchesTheWatcherAndTheControlsButStoresNothing) {
    Start();
    Main().chkAutomaticScanYesOrNo->UserToggle();
    EXPECT_TRUE(Main().tmrScheduler->Enabled());
    EXPECT_TRUE(Main().cmbDays->Enabled());
    EXPECT_TRUE(Time().Enabled());
    EXPECT_FALSE(Date().Enabled()) << "Daily has no date";

    Main().chkAutomaticScanYesOrNo->UserToggle();
    EXPECT_FALSE(Main().tmrScheduler->Enabled());
    EXPECT_FALSE(Main().cmbDays->Enabled());
    EXPECT_FALSE(Time().Enabled());
    EXPECT_FALSE(Date().Enabled());
    EXPECT_EQ(StoredSchedule(), (std::vector<std::optional<std::string>>(4)));
}

TEST_F(ScheduleControls, CheckingTheBoxAgainGivesDateAndTimeBothPickers) {
    StoreSchedule("8", "10:00:00 AM", "12/24/2026");
    Start();
    Main().chkAutomaticScanYesOrNo->UserToggle();
    Main().chkAutomaticScanYesOrNo->UserToggle();
    EXPECT_TRUE(Date().Enabled());
    EXPECT_TRUE(Time().Enabled());
}

TEST_F(ScheduleControls, ApplyStoresTheChoiceAndTheWatcherFollowsItAtOnce) {
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    Live(At(2026, 12, 7, 8, 30, 0));  // the watcher holds the earlier schedule
    Choose(8, At(2026, 12, 7, 8, 0, 0), At(2026, 12, 7, 10, 15, 0));
    Main().CmdProceed->Click();

    EXPECT_EQ(StoredSchedule(), (std::vector<std::optional<std::string>>{
                                    "1", "8", "12/7/2026 10:15:00 AM", "12/7/2026 8:00:00 AM"}));
    EXPECT_FALSE(Main().CmdProceed->Enabled());
    EXPECT_TRUE(Main().tmrScheduler->Enabled());
    EXPECT_EQ(Main().cmbDays->ListIndex(), 8);
    EXPECT_EQ(Time().Value(), At(2026, 12, 7, 10, 15, 0));

    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 0) << "the earlier schedule is gone";
    Live(At(2026, 12, 7, 10, 15, 0));
    EXPECT_EQ(scansStarted, 1);
}

TEST_F(ScheduleControls, AnEmptyPickerTimeIsStoredAsNull) {
    Start();
    Choose(4, std::nullopt, std::nullopt);
    Main().CmdProceed->Click();
    EXPECT_EQ(StoredSchedule(),
              (std::vector<std::optional<std::string>>{"1", "4", "Null", "Null"}));
}

TEST_F(ScheduleControls, DateAndTimeWithAnEmptyPickerIsRefusedAndNothingIsStored) {
    StoreSchedule("7", "9:00:00 AM");
    Start();
    const std::vector<std::optional<std::string>> before = StoredSchedule();
    for (const auto& [date, time] : std::vector<
             std::pair<std::optional<platform::DateTime>, std::optional<platform::DateTime>>>{
             {std::nullopt, At(2026, 12, 7, 10, 0, 0)},
             {At(2026, 12, 24, 0, 0, 0), std::nullopt}}) {
        machine.dialogs.shown.clear();
        Choose(8, date, time);
        Main().CmdProceed->Click();

        ASSERT_EQ(machine.dialogs.shown.size(), 1u);
        EXPECT_EQ(machine.dialogs.shown[0].text, "Please select the date that you want to scan.");
        EXPECT_EQ(machine.dialogs.shown[0].title, "Acme Sweeper");
        EXPECT_EQ(machine.dialogs.shown[0].icon, platform::MessageIcon::Information);
        EXPECT_EQ(StoredSchedule(), before);
        EXPECT_EQ(Main().cmbDays->ListIndex(), 8) << "the choice stays to be completed";
        EXPECT_EQ(Date().Value(), date);
        EXPECT_TRUE(Main().CmdProceed->Enabled());
    }
}

TEST_F(ScheduleControls, ApplyWithTheBoxClearedStopsTheWatcherAndKeepsTheSchedule) {
    StoreSchedule("2", "9:00:00 AM");
    StartInTray();
    Main().chkAutomaticScanYesOrNo->UserToggle();
    Main().cmbDays->SetListIndex(5);
    Main().CmdProceed->Click();

    EXPECT_EQ(StoredSchedule(),
              (std::vector<std::optional<std::string>>{"0", "2", "9:00:00 AM", "Null"}));
    EXPECT_FALSE(Main().tmrScheduler->Enabled());
    EXPECT_FALSE(Main().chkAutomaticScanYesOrNo->Checked()) << "the box shows what is stored";
    EXPECT_EQ(Main().cmbDays->ListIndex(), 2);
}

TEST_F(ScheduleControls, ResetSwitchesSchedulingOffForGood) {
    StoreSchedule("7", "9:00:00 AM");
    StartInTray();
    Main().cmdDefaultSetting->Click();

    EXPECT_EQ(StoredSchedule(),
              (std::vector<std::optional<std::string>>{"0", "7", "9:00:00 AM", "Null"}));
    EXPECT_FALSE(Main().chkAutomaticScanYesOrNo->Checked());
    EXPECT_FALSE(Main().tmrScheduler->Enabled());
    EXPECT_FALSE(Main().cmbDays->Enabled());
    EXPECT_FALSE(Main().CmdProceed->Enabled());

    // Leaving the normal state again starts the timers by their settings.
    Main().SetWindowState(ui::WindowState::Normal);
    Main().SetWindowState(ui::WindowState::Minimized);
    Live(At(2026, 12, 7, 9, 0, 0));
    EXPECT_EQ(scansStarted, 0);

    RunAgain();
    EXPECT_FALSE(Main().chkAutomaticScanYesOrNo->Checked());
    EXPECT_EQ(Main().cmbDays->ListIndex(), 7);
}

TEST_F(ScheduleControls, LoadingShowsTheStoredScheduleButLeavesTheCheckBoxToItsSetting) {
    StoreSchedule("8", "10:15:00 AM", "12/24/2026");
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "0");
    SetUserSetting("Settings", "chkAutoDel", "1");
    Start();
    EXPECT_EQ(Main().cmbDays->ListIndex(), 8);
    EXPECT_EQ(Date().Value(), At(2026, 12, 24, 0, 0, 0));
    EXPECT_EQ(Time().Value(), At(1899, 12, 30, 10, 15, 0));
    EXPECT_TRUE(Main().chkAutoDel->Checked());
    EXPECT_FALSE(Main().chkAutomaticScanYesOrNo->Checked());

    LoadSchedule(*app);
    EXPECT_FALSE(Main().chkAutomaticScanYesOrNo->Checked());
    EXPECT_FALSE(Main().tmrScheduler->Enabled());
}

TEST_F(ScheduleControls, LoadingWithoutAStoredScheduleShowsDailyAndEmptyPickers) {
    Start();
    EXPECT_EQ(Main().cmbDays->ListIndex(), 7);
    EXPECT_FALSE(Date().Value().has_value());
    EXPECT_FALSE(Main().chkAutomaticScanYesOrNo->Checked());
}

TEST_F(ScheduleControls, AStoredDayThatNamesNoChoiceShowsDaily) {
    StoreSchedule("99999999999999999999", "9:00:00 AM");
    Start();
    EXPECT_EQ(Main().cmbDays->ListIndex(), 7);
    EXPECT_EQ(Time().Value(), At(1899, 12, 30, 9, 0, 0));
}

}  // namespace
}  // namespace scheduler

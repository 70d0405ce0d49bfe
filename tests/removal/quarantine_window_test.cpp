// The quarantine window as the user meets it: opened from the Quarantine
// menu, it lists what earlier removals took, and its Restore and Delete
// buttons wait for a check mark.

#include "removal/quarantine_window.h"

#include "removal/removal_fixture.h"

namespace removal {
namespace {

class QuarantineWindow : public testing::RemovalFixture {
protected:
    ui::FrmQuarantine& Window() { return app->frmQuarantine; }

    void Open() { Main().mnuQuarItem[ui::FrmMain::kQuarRestoreOrDelete]->Click(); }

    // Each row as "threat | what | where from | when | size".
    std::vector<std::string> Shown() {
        std::vector<std::string> rows;
        for (const ui::QuarantineRow& row : Window().Rows()) {
            rows.push_back(row.threat + " | " + row.what + " | " + row.whereFrom + " | " +
                           row.when + " | " + row.size);
        }
        return rows;
    }
};

TEST_F(QuarantineWindow, ALaterRunListsEveryItemOfTheQuarantineOldOnesToo) {
    machine.fileSystem.AddFile("C:\\A\\EVIL.EXE", std::string(1500, 'x'));
    machine.fileSystem.AddFile("D:\\B\\EVIL.EXE", "second");
    machine.fileSystem.AddFile("C:\\A\\EvilFolder\\a.txt", "a");
    machine.registry.SetString(platform::RegistryRoot::CurrentUser, "Software\\Evil", "Tracker",
                               "on");
    machine.registry.SetString(platform::RegistryRoot::LocalMachine, "Software\\EvilKey", "",
                               "default");
    FileFinding("Evil", "C:\\A\\EVIL.EXE");
    FileFinding("Evil", "D:\\B\\EVIL.EXE");
    FileFinding("Evil", "C:\\A\\EvilFolder");
    RegistryFinding("Evil", "-2147483647", "Software\\Evil", "Tracker");
    RegistryFinding("Evil", "-2147483646", "Software\\EvilKey", "");
    Delete();
    const std::string when = Time();
    // An item of a quarantine older than its index: the log and the copy.
    machine.fileSystem.AddFile(Quarantined("old.exe"), "old");
    ASSERT_TRUE(machine.fileSystem.AppendToFile(Quarantined("QuarantineLog.txt"),
                                                "1/2/2025 3:04:05 PM - File: old.exe\r\n"
                                                " - Location: C:\\Old\\old.exe\r\n\r\n\r\n"));
    RunAgain();

    Open();
    ASSERT_TRUE(Window().Visible());
    EXPECT_EQ(Window().Caption(), app->branding.ProgramName + " Quarantine");
    // The second file's copy is kept under another name; the row names the
    // item where it was.
    EXPECT_EQ(Shown(), (std::vector<std::string>{
                           "Evil | File | C:\\A\\EVIL.EXE | " + when + " | 2 KB",
                           "Evil | File | D:\\B\\EVIL.EXE | " + when + " | 1 KB",
                           "Evil | Folder | C:\\A\\EvilFolder | " + when + " | 1 KB",
                           "Evil | Registry value | HKEY_CURRENT_USER\\Software\\Evil\\Tracker | " +
                               when + " | 1 KB",
                           "Evil | Registry key | HKEY_LOCAL_MACHINE\\Software\\EvilKey | " + when +
                               " | 1 KB",
                           "old.exe | File | C:\\Old\\old.exe | 1/2/2025 3:04:05 PM | 1 KB",
                       }));
    EXPECT_FALSE(Window().lblEmpty->Visible());
}

TEST_F(QuarantineWindow, RestoreAndDeleteWaitForACheckMarkAndCloseUnloadsTheWindow) {
    Open();
    EXPECT_TRUE(Shown().empty()) << "no removal yet, no log";
    EXPECT_TRUE(Window().lblEmpty->Visible());

    machine.fileSystem.AddFile("C:\\X\\evil.dat", "data");
    machine.fileSystem.AddFile("C:\\X\\other.dat", "data");
    FileFinding("Evil", "C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\other.dat");
    Delete();
    Open();
    ASSERT_EQ(Shown().size(), 2u) << "opened again, it shows the quarantine as it is now";
    EXPECT_FALSE(Window().cmdRestore->Enabled());
    EXPECT_FALSE(Window().cmdDelete->Enabled());

    Window().lvwItems->UserSetChecked(1, true);
    EXPECT_TRUE(Window().cmdRestore->Enabled());
    EXPECT_TRUE(Window().cmdDelete->Enabled());
    ASSERT_EQ(Window().CheckedRows().size(), 1u);
    EXPECT_EQ(Window().CheckedRows()[0].whereFrom, "C:\\X\\other.dat");

    Window().lvwItems->UserSetChecked(1, false);
    EXPECT_FALSE(Window().cmdRestore->Enabled());
    EXPECT_FALSE(Window().cmdDelete->Enabled());

    Window().cmdClose->Click();
    EXPECT_FALSE(Window().IsLoaded());
    EXPECT_TRUE(Main().Visible());
}

// Delete permanently takes only what is checked, after a question, and an
// item whose copy is still in use stays listed, and the user is told.
TEST_F(QuarantineWindow, DeletePermanentlyTakesTheCheckedItemsAfterAQuestion) {
    machine.fileSystem.AddFile("C:\\X\\evil.dat", "data");
    machine.fileSystem.AddFile("C:\\X\\busy.dat", "busy");
    machine.fileSystem.AddFile("C:\\X\\keep.dat", "keep");
    machine.registry.SetString(platform::RegistryRoot::CurrentUser, "Software\\Evil", "Tracker",
                               "on");
    FileFinding("Evil", "C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\busy.dat");
    FileFinding("Evil", "C:\\X\\keep.dat");
    RegistryFinding("Evil", "-2147483647", "Software\\Evil", "Tracker");
    Delete();
    Open();
    ASSERT_EQ(Shown().size(), 4u);
    for (const int row : {0, 1, 3}) {
        Window().lvwItems->UserSetChecked(row, true);
    }
    machine.dialogs.shown.clear();
    machine.dialogs.answers = {platform::MessageAnswer::No};
    Window().cmdDelete->Click();
    EXPECT_EQ(Shown().size(), 4u) << "No deletes nothing";
    EXPECT_TRUE(Exists(Quarantined("evil.dat")));

    machine.fileSystem.Find(Quarantined("busy.dat"))->locked = true;
    machine.dialogs.shown.clear();
    machine.dialogs.answers = {platform::MessageAnswer::Yes, platform::MessageAnswer::Ok};
    Window().cmdDelete->Click();
    ASSERT_EQ(machine.dialogs.shown.size(), 2u);
    EXPECT_EQ(machine.dialogs.shown[0].title, app->Message("MSG_QDELETE_SURE3"));
    EXPECT_EQ(machine.dialogs.shown[1].text, app->Message("MSG_QDELETE_FAILED"));
    EXPECT_FALSE(Exists(Quarantined("evil.dat")));
    EXPECT_TRUE(Exists(Quarantined("keep.dat")));
    std::vector<std::string> left;
    for (const ui::QuarantineRow& row : Window().Rows()) {
        left.push_back(row.whereFrom);
    }
    EXPECT_EQ(left, (std::vector<std::string>{"C:\\X\\busy.dat", "C:\\X\\keep.dat"}));

    RunAgain();
    Open();
    EXPECT_EQ(Shown().size(), 2u) << "the index forgot only what is gone";
}

// Items older than the option's days go at the start, the newer stay; with
// the option off nothing goes.
TEST_F(QuarantineWindow, AtTheStartItemsOlderThanTheChosenDaysAreDeleted) {
    machine.fileSystem.AddFile("C:\\X\\old.dat", "old");
    FileFinding("Evil", "C:\\X\\old.dat");
    machine.clock.now = {2026, 10, 1, 12, 0, 0, 4};
    Delete();
    machine.fileSystem.AddFile("C:\\X\\new.dat", "new");
    FileFinding("Evil", "C:\\X\\new.dat");
    machine.clock.now = {2026, 11, 30, 12, 0, 0, 1};
    Delete();
    machine.clock.now = {2026, 12, 8, 9, 30, 0, 2};

    RunAgain();
    EXPECT_TRUE(Exists(Quarantined("old.dat"))) << "the option is off by default";

    SetUserSetting("OptionAndSettings", "chkPurgeQuarantine", "1");
    SetUserSetting("OptionAndSettings", "txtPurgeQuarantineDays", "30");
    RunAgain();
    EXPECT_FALSE(Exists(Quarantined("old.dat")));
    EXPECT_TRUE(Exists(Quarantined("new.dat")));
    Open();
    EXPECT_EQ(Shown().size(), 1u);
}

// Where the day comes first, a date that the log alone knows is never read
// month first: 1 December is not 12 January. A date that reads only one way
// is purged on time; one that reads in no order keeps its item.
TEST_F(QuarantineWindow, ALogOnlyDateWhereTheDayComesFirstIsNeverPurgedEarly) {
    machine.localeFormats.profile = fakes::FakeLocaleFormats::Profile::UnitedKingdom;
    const struct {
        const char* name;
        platform::DateTime removed;
    } removals[] = {{"october.dat", {2026, 10, 25, 9, 0, 0, 0}},
                    {"december.dat", {2026, 12, 1, 9, 0, 0, 2}}};
    for (const auto& removal : removals) {
        machine.fileSystem.AddFile(std::string("C:\\X\\") + removal.name, "old");
        FileFinding("Evil", std::string("C:\\X\\") + removal.name);
        machine.clock.now = removal.removed;
        Delete();
    }
    EXPECT_NE(Log().find("01/12/2026 09:00:00 - File: december.dat"), std::string::npos);
    // An older quarantine's record, in a form that gives no order.
    machine.fileSystem.AddFile(Quarantined("named.dat"), "old");
    ASSERT_TRUE(machine.fileSystem.AppendToFile(
        Quarantined("QuarantineLog.txt"),
        "1-Dec-2025 09:00:00 - File: named.dat\r\n - Location: C:\\X\\named.dat\r\n\r\n\r\n"));
    // Only the log knows the items now.
    ASSERT_TRUE(machine.fileSystem.RemoveFile(Quarantined("QuarantineIndex.txt")));
    machine.clock.now = {2026, 12, 8, 9, 30, 0, 2};
    SetUserSetting("OptionAndSettings", "chkPurgeQuarantine", "1");
    SetUserSetting("OptionAndSettings", "txtPurgeQuarantineDays", "30");
    RunAgain();

    EXPECT_FALSE(Exists(Quarantined("october.dat")));
    EXPECT_TRUE(Exists(Quarantined("december.dat")));
    EXPECT_TRUE(Exists(Quarantined("named.dat")));
}

}  // namespace
}  // namespace removal

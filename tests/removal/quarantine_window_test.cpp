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

}  // namespace
}  // namespace removal

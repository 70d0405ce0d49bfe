// The removal run: its question, its order of steps around the restore point
// and the two passes, the registry and its records, the leftovers window and
// what the lists and the status page hold afterwards.

#include "removal/delete_failed.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_restore.h"
#include "removal/quarantine_window.h"
#include "removal/reg_file.h"
#include "removal/removal_fixture.h"
#include "removal/restore_point.h"
#include "scan/finding_lists.h"

namespace removal {
namespace {

class RemovalRun : public testing::RemovalFixture {
protected:
    static constexpr const char* kQuestion =
        "Are you sure you want to delete the selected files?\r\n\r\n"
        "Deleted files will be backed up in the following folder in case you need to recover "
        "them:\r\n\r\n"
        "C:\\Users\\alice\\AppData\\Roaming\\AntiSpywareDAT\\quarantine";
    static constexpr const char* kRestoreParagraph =
        "\r\n\r\nIn addition, a System Restore Point will be created using Windows System "
        "Restore, accessible through:\r\n\r\n"
        "Start > Programs > Accessories > System Tools > System Restore";
};

TEST_F(RemovalRun, WithNothingCheckedTheButtonSaysSoAndRemovesNothing) {
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->SetChecked(0, false);
    Command4_Click(*app);
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text,
              "No entries are selected.  You must check the box next to at least one item in "
              "the list.");
    EXPECT_EQ(machine.dialogs.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_TRUE(Exists("C:\\X\\evil.dat"));

    // A scheduled scan's removal asks nothing and says nothing.
    machine.dialogs.shown.clear();
    app->scan.AutoRemoveAfterScan = true;
    Command4_Click(*app);
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_TRUE(Exists("C:\\X\\evil.dat"));
}

TEST_F(RemovalRun, TheQuestionMentionsTheRestorePointOnlyWhereThereIsOne) {
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    machine.dialogs.answers = {platform::MessageAnswer::No};
    Command4_Click(*app);
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text, std::string(kQuestion) + kRestoreParagraph);
    EXPECT_EQ(machine.dialogs.shown[0].title, "Really Delete?");
    EXPECT_EQ(machine.dialogs.shown[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_TRUE(Exists("C:\\X\\evil.dat")) << "No ends it";
    EXPECT_TRUE(machine.systemRestore.calls.empty());

    machine.osVersion.info = {5, 0, 2195, platform::kPlatformWin32Nt, ""};
    machine.dialogs.shown.clear();
    Delete();
    EXPECT_EQ(machine.dialogs.shown[0].text, kQuestion);
    EXPECT_TRUE(machine.systemRestore.calls.empty()) << "no restore point on Windows 2000";
    EXPECT_FALSE(Exists("C:\\X\\evil.dat"));
}

TEST_F(RemovalRun, TheRemovalRunsInsideARestorePointWithTheTimersOff) {
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    Main().chkAutoProtect->SetValue(1);
    bool timersRanDuringRemoval = false;
    machine.eventLoop.onYield = [&] {
        timersRanDuringRemoval = timersRanDuringRemoval || Main().tmrScheduler->Enabled() ||
                                 Main().tmrMemoryInspected->Enabled();
    };
    Delete();
    machine.eventLoop.onYield = nullptr;

    EXPECT_FALSE(timersRanDuringRemoval);
    ASSERT_EQ(machine.systemRestore.calls.size(), 2u);
    EXPECT_EQ(machine.systemRestore.calls[0].eventType,
              platform::restore_event::kBeginSystemChange);
    EXPECT_EQ(machine.systemRestore.calls[0].restorePointType, 6);
    EXPECT_EQ(machine.systemRestore.calls[0].description,
              app->branding.ProgramName + " Restore Point " + Time());
    EXPECT_EQ(machine.systemRestore.calls[1].eventType, platform::restore_event::kEndSystemChange);
    EXPECT_EQ(machine.systemRestore.calls[1].sequenceNumber, 1);
    EXPECT_EQ(app->removal.RestorePointSequence, 0);
    EXPECT_TRUE(Main().tmrMemoryInspected->Enabled() || Main().tmrScheduler->Enabled() ||
                Main().tmrCheckHomePage->Enabled())
        << "the timers follow their settings again";
    EXPECT_TRUE(Main().lblRemove->Enabled());
}

TEST_F(RemovalRun, OnAGermanSystemTheLogAndTheRestorePointGiveTheTimeInGermanForm) {
    machine.localeFormats.profile = fakes::FakeLocaleFormats::Profile::Germany;
    machine.clock.now = {2026, 12, 8, 14, 30, 5, 2};
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    Delete();
    EXPECT_EQ(Log(),
              "08.12.2026 14:30:05 - File: evil.dat\r\n - Location: C:\\X\\evil.dat\r\n\r\n\r\n");
    ASSERT_FALSE(machine.systemRestore.calls.empty());
    EXPECT_EQ(machine.systemRestore.calls[0].description,
              "Acme Sweeper Restore Point 08.12.2026 14:30:05");
}

TEST_F(RemovalRun, ASystemWithoutSystemRestoreStillRemoves) {
    machine.systemRestore.available = false;
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    Delete();
    EXPECT_FALSE(Exists("C:\\X\\evil.dat"));
    EXPECT_EQ(machine.systemRestore.calls.size(), 1u) << "only the failed begin";
    EXPECT_EQ(app->removal.RestorePointSequence, 0);
}

TEST_F(RemovalRun, ASystemThatRefusesThisUserPromisesNoRestorePointAndStillRemoves) {
    machine.systemRestore.userMayCreatePoints = false;
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    Delete();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text, kQuestion);
    EXPECT_TRUE(machine.systemRestore.calls.empty());
    EXPECT_FALSE(Exists("C:\\X\\evil.dat"));
}

TEST_F(RemovalRun, RestorePointsOpenOneAtATime) {
    EXPECT_EQ(BeginRestorePoint(*app, "first", 6).result, BeginResult::Begun);
    const BeginOutcome second = BeginRestorePoint(*app, "second", 6);
    EXPECT_EQ(second.result, BeginResult::PreviousPointOpen);
    EXPECT_EQ(second.error, 100001);
    EXPECT_EQ(second.errorText, "You must End the previous restore point first.");
    EXPECT_EQ(machine.systemRestore.calls.size(), 1u);
    EXPECT_EQ(app->removal.RestorePointSequence, 1) << "the open point stays open";
    EXPECT_TRUE(EndRestorePoint(*app));
    EXPECT_EQ(machine.systemRestore.calls.back().eventType,
              platform::restore_event::kEndSystemChange);
    EXPECT_EQ(machine.systemRestore.calls.back().sequenceNumber, 1);
    EXPECT_EQ(BeginRestorePoint(*app, "third", 6).result, BeginResult::Begun);
    EXPECT_EQ(BeginRestorePoint(*app, "fourth", 6).error, 100001);
}

TEST_F(RemovalRun, RestorePointsExistOnMeXpAndLater) {
    const auto available = [&](std::uint32_t platformId, std::uint32_t major, std::uint32_t minor) {
        machine.osVersion.info = {major, minor, 0, platformId, ""};
        return RestorePointsAvailable(*app);
    };
    EXPECT_TRUE(available(platform::kPlatformWin32Windows, 4, 90));
    EXPECT_FALSE(available(platform::kPlatformWin32Windows, 4, 10));
    EXPECT_FALSE(available(platform::kPlatformWin32Nt, 5, 0));
    EXPECT_TRUE(available(platform::kPlatformWin32Nt, 5, 1));
    EXPECT_FALSE(available(platform::kPlatformWin32Nt, 5, 2));
    EXPECT_TRUE(available(platform::kPlatformWin32Nt, 10, 0));
}

TEST_F(RemovalRun, RegistryValuesAndKeysAreDeletedWithTheirRecords) {
    using platform::RegistryRoot;
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\X", "Y", "evil");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\X", "Keep", "mine");
    machine.registry.SetString(RegistryRoot::LocalMachine, "Software\\Evil\\Sub", "Z", "evil");
    machine.registry.SetString(RegistryRoot::LocalMachine, "Software\\Evil", "", "default");
    RegistryFinding("Evil", "-2147483647", "Software\\X", "Y");
    RegistryFinding("Evil", " -2147483646 ", " Software\\Evil ", "");
    RegistryFinding("Evil", "", "Software\\Ignored", "");
    RegistryFinding("Evil", "12345", "Software\\NoSuchRoot", "");
    RegistryFinding("Evil", "12345", "Software\\NoSuchRoot", "V");
    Delete();

    EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, "Software\\X", "Y"));
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\X", "Keep"), "mine");
    EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::LocalMachine, "Software\\Evil"));
    EXPECT_EQ(Log(), RegistryRecord("HKEY_CURRENT_USER\\Software\\X", "Y") +
                         RegistryRecord("HKEY_LOCAL_MACHINE\\Software\\Evil", "") +
                         RegistryRecord("-2147483646\\Software\\Evil", "All Values") +
                         RegistryRecord("12345\\Software\\NoSuchRoot", "") +
                         RegistryRecord("12345\\Software\\NoSuchRoot", "V"))
        << "a root that names no key is never used, but what was asked for is recorded";
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 0);
}

// The copy comes first: an entry that cannot be read whole (a value or
// subkey listed but not found by its listed name among them), or whose copy
// cannot be written, stays, without a record, and the user hears of it.
TEST_F(RemovalRun, ARegistryEntryWhoseCopyFailsIsNotDeletedAndIsListed) {
    using platform::RegistryRoot;
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Sealed", "V", "evil");
    machine.registry.DenyAccess(RegistryRoot::CurrentUser, "Software\\Sealed",
                                platform::reg_access::kQueryValue);
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Evil\\Sub", "Z", "evil");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Fine", "W", "evil");
    RegistryFinding("Sealed", "-2147483647", "Software\\Sealed", "V");
    RegistryFinding("Evil", "-2147483647", "Software\\Evil", "");
    RegistryFinding("Fine", "-2147483647", "Software\\Fine", "W");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Odd", "Plain", "evil");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Odd", "Unreadable", "evil");
    machine.registry.ListWithoutReading(RegistryRoot::CurrentUser, "Software\\Odd", "Unreadable");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Holder\\Gone", "V", "evil");
    machine.registry.ListWithoutOpening(RegistryRoot::CurrentUser, "Software\\Holder\\Gone");
    RegistryFinding("Odd", "-2147483647", "Software\\Odd", "");
    // Text that the program's code page holds only in part.
    machine.registry.SetValue(RegistryRoot::CurrentUser, "Software\\Odd", "Run",
                              {platform::reg_type::kString, std::string("?uk\0", 4), false});
    RegistryFinding("Odd", "-2147483647", "Software\\Odd", "Run");
    RegistryFinding("Holder", "-2147483647", "Software\\Holder", "");
    // The key's copy cannot be written.
    machine.fileSystem.RefuseWritesUnder(Quarantined("Evil.reg"));
    Delete();

    EXPECT_EQ(machine.registry.Value(RegistryRoot::CurrentUser, "Software\\Sealed", "V")->data,
              std::string("evil\0", 5));
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Evil\\Sub", "Z"),
              "evil");
    EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Fine", "W"));
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Odd", "Plain"), "evil");
    EXPECT_TRUE(machine.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Holder\\Gone"));
    EXPECT_EQ(Problems(),
              (std::vector<std::string>{
                  "HKEY_CURRENT_USER\\Software\\Sealed\\V", "HKEY_CURRENT_USER\\Software\\Evil",
                  "HKEY_CURRENT_USER\\Software\\Odd", "HKEY_CURRENT_USER\\Software\\Odd\\Run",
                  "HKEY_CURRENT_USER\\Software\\Holder"}));
    std::string failed;
    for (const std::string& left : Problems()) {
        failed += FailedRecord(left);
    }
    EXPECT_EQ(Log(), RegistryRecord("HKEY_CURRENT_USER\\Software\\Fine", "W") + failed)
        << "no record claims that a kept entry went";
    EXPECT_FALSE(Exists(Quarantined("Odd.reg")));
    EXPECT_FALSE(Exists(Quarantined("Holder.reg")));
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Odd", "Run"), "?uk");
    ASSERT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_FALSE(Main().lvwRegistryToBeDeleted->Item(row).checked);
    }
    EXPECT_TRUE(app->frmDelete.Visible());
}

TEST_F(RemovalRun, ATraceOfThe32BitViewIsRemovedThereAndNowhereElse) {
    using platform::RegistryRoot;
    machine.Model64BitWindows();
    machine.registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Evil", "Path", "64");
    machine.registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Evil", "Path",
                               "32");
    machine.registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Evil\\Sub", "", "");
    machine.registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Evil\\Sub", "",
                               "");
    Definitions("RegistryDefinition.dat",
                {"2^SOFTWARE\\Evil^Path^=Evil", "2^SOFTWARE\\Evil\\Sub^=Evil"});
    Scan();
    ui::ListView& traces = *Main().lvwRegistryToBeDeleted;
    ASSERT_EQ(traces.ItemCount(), 4);
    for (int row = 0; row < traces.ItemCount(); ++row) {
        traces.SetChecked(row,
                          traces.Item(row).SubItem(1).find("WOW6432Node") != std::string::npos);
    }
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->SetChecked(0, true);
    Delete();

    EXPECT_EQ(machine.registry.String(RegistryRoot::LocalMachine, "SOFTWARE\\Evil", "Path"), "64");
    EXPECT_TRUE(machine.registry.KeyExists(RegistryRoot::LocalMachine, "SOFTWARE\\Evil\\Sub"));
    EXPECT_FALSE(
        machine.registry.String(RegistryRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Evil", "Path"));
    EXPECT_FALSE(
        machine.registry.KeyExists(RegistryRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Evil\\Sub"));
    EXPECT_EQ(Log(),
              RegistryRecord("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Evil", "Path") +
                  RegistryRecord("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Evil\\Sub", "") +
                  RegistryRecord("-2147483646\\SOFTWARE\\WOW6432Node\\Evil\\Sub", "All Values"));
    EXPECT_EQ(Texts(traces), (std::vector<std::string>{"-2147483646", "-2147483646"}));
}

TEST_F(RemovalRun, AThreatOfEveryKindOfTraceFollowsItsRowAndGoesWhole) {
    using platform::RegistryRoot;
    constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Wicked", "Version", "1");
    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Wicked", "wicked.exe");
    machine.fileSystem.AddFile("C:\\Wicked\\wicked.exe", "exe");
    machine.fileSystem.AddFile("C:\\Wicked\\Data\\state.ini", "ini");
    Definitions("RegistryDefinition.dat",
                {"1^Software\\Wicked^=Wicked", std::string("1^") + kRun + "^Wicked^=Wicked"});
    Definitions("FileDefinition.dat", {"wicked.exe=Wicked|C:\\Wicked"});
    Definitions("DirectoryDefinition.dat", {"data=WICKED|C:\\Wicked\\Data"});
    Scan();
    ASSERT_EQ(Texts(Removal()), std::vector<std::string>{"Wicked"});
    ASSERT_EQ(Removal().Item(0).smallIcon, scan::kIconRegistry);

    const auto tracesChecked = [&] {
        std::vector<bool> checks;
        for (const ui::ListView* list :
             {Main().lvwRegistryToBeDeleted, Main().lvwFilesToBeDeleted}) {
            for (int row = 0; row < list->ItemCount(); ++row) {
                checks.push_back(list->Item(row).checked);
            }
        }
        return checks;
    };
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->UserSetChecked(0, true);
    EXPECT_EQ(tracesChecked(), std::vector<bool>(4, true));
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->UserSetChecked(0, false);
    EXPECT_EQ(tracesChecked(), std::vector<bool>(4, false));

    scan::cmdSelectAll_Click(*app);
    Delete();
    EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Wicked"));
    EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, kRun, "Wicked"));
    EXPECT_FALSE(Exists("C:\\Wicked\\wicked.exe"));
    EXPECT_FALSE(machine.fileSystem.DirectoryExists("C:\\Wicked\\Data"));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("wicked.exe"))->content, "exe");
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("Data\\state.ini"))->content, "ini");
    const std::string log = Log();
    EXPECT_NE(log.find(FileRecord("wicked.exe", "C:\\Wicked\\wicked.exe")), std::string::npos);
    EXPECT_NE(log.find(FileRecord("Data", "C:\\Wicked\\Data")), std::string::npos);
    EXPECT_EQ(Removal().ItemCount(), 0);
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 0);
    EXPECT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 0);
}

// A definition written for XP's profile layout reaches, on later systems, the
// file through a compatibility junction; the row names the real file, so the
// running program is matched and stopped and the file goes, with no
// leftover.
TEST_F(RemovalRun, ATraceNamedThroughTheOldProfileLayoutIsFoundStoppedAndRemoved) {
    machine.ModelProfileJunctions();
    const std::string real = "C:\\Users\\alice\\AppData\\Local\\Temp\\evil.exe";
    const std::string shared = "C:\\ProgramData\\Evil\\evil.dll";
    machine.fileSystem.AddFile(real, "exe");
    machine.fileSystem.AddFile(shared, "dll");
    machine.processes.Add(100, real);
    Definitions("FileDefinition.dat", {"evil.exe=Evil|[user]Local Settings\\Temp",
                                       "evil.dll=Evil|[alluser]Application Data\\Evil"});
    Definitions("ExeDefinition.dat", {"evil.exe=Evil|[user]Local Settings\\Temp"});
    Scan();
    EXPECT_FALSE(machine.processes.Find(100)->running);
    EXPECT_EQ(Texts(*Main().lvwFilesToBeDeleted), (std::vector<std::string>{real, shared}));

    scan::cmdSelectAll_Click(*app);
    Delete();
    EXPECT_FALSE(Exists(real));
    EXPECT_FALSE(Exists(shared));
    EXPECT_TRUE(Problems().empty());
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("evil.exe"))->content, "exe");
}

// A standard user: the machine-wide key, which the user may not open for
// writing, is not a finding, and it stays; what is the user's own goes, into
// a quarantine in the user's data folder, with no restore point promised.
TEST_F(RemovalRun, AStandardUsersScanAndRemovalTakeWhatIsTheirsAndLeaveTheMachineAlone) {
    using platform::RegistryRoot;
    constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    ModelInstalledForStandardUser();
    machine.systemRestore.userMayCreatePoints = false;
    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Wicked", "wicked.exe");
    machine.registry.SetString(RegistryRoot::LocalMachine, "Software\\Wicked", "Version", "1");
    const std::string file = "C:\\Users\\alice\\AppData\\Roaming\\Wicked\\wicked.exe";
    machine.fileSystem.AddFile(file, "exe");
    Definitions("RegistryDefinition.dat",
                {"2^Software\\Wicked^=Wicked", std::string("1^") + kRun + "^Wicked^=Wicked"});
    Definitions("FileDefinition.dat", {"wicked.exe=Wicked|[appdata]Wicked"});
    Scan();
    ASSERT_EQ(Texts(Removal()), std::vector<std::string>{"Wicked"});
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 2) << "the machine's key is seen too";

    scan::cmdSelectAll_Click(*app);
    Delete();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u) << "only the question";
    EXPECT_EQ(machine.dialogs.shown[0].text, kQuestion);
    EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, kRun, "Wicked"));
    EXPECT_EQ(machine.registry.String(RegistryRoot::LocalMachine, "Software\\Wicked", "Version"),
              "1");
    EXPECT_FALSE(Exists(file));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("wicked.exe"))->content, "exe");
    EXPECT_NE(Log().find(FileRecord("wicked.exe", file)), std::string::npos);
    EXPECT_NE(Log().find(FailedRecord("HKEY_LOCAL_MACHINE\\Software\\Wicked")), std::string::npos);
    EXPECT_EQ(Problems(), std::vector<std::string>{"HKEY_LOCAL_MACHINE\\Software\\Wicked - " +
                                                   app->Message("MSG_SI_RUN_AS_ADMIN")});
    EXPECT_EQ(Texts(Removal()), std::vector<std::string>{"Wicked"}) << "not shown as removed";
    EXPECT_FALSE(Exists(Quarantined("Wicked.reg")));
}

TEST_F(RemovalRun, TheLabelRunsWithNothingCheckedAndEndsComplete) {
    std::vector<std::string> captions;
    machine.eventLoop.onYield = [&] {
        const std::string& caption = Main().lblDeletingPercentageCompleted->Caption();
        if (captions.empty() || captions.back() != caption) {
            captions.push_back(caption);
        }
    };
    removal::lblRemove_Click(*app);
    machine.eventLoop.onYield = nullptr;

    EXPECT_EQ(captions,
              (std::vector<std::string>{"Gathering information...", "Creating Restore Point..."}));
    EXPECT_EQ(machine.systemRestore.calls.size(), 2u);
    EXPECT_EQ(Main().lblDeletingPercentageCompleted->Caption(), "100% Complete");
    EXPECT_TRUE(Main().PicResults->Visible());
    EXPECT_FALSE(Main().PicSweepNow->Visible());
    EXPECT_FALSE(Main().pgbDeleteSpywaresFound->Visible()) << "hidden again at the end";
    EXPECT_TRUE(machine.fileSystem.DirectoryExists(DataFile("quarantine")));
    EXPECT_FALSE(app->frmDelete.Visible());
}

TEST_F(RemovalRun, TheRemovedCountIsStoredAndTheStatusPageShowsIt) {
    Main().lblRemovePicSoftwareFound->SetCaption("2");
    Main().lbltracesFound->SetCaption("5");
    Main().lblSoftwareFound->SetCaption("1");
    removal::lblRemove_Click(*app);
    EXPECT_EQ(UserSetting("Settings", "lblDefRemoved"), "8");
    EXPECT_EQ(Main().lblDefRemoved->Caption(), "8");
}

TEST_F(RemovalRun, ProgressFollowsTheRowsInLowerCase) {
    machine.fileSystem.AddFile("C:\\X\\A.DAT");
    machine.fileSystem.AddFile("C:\\X\\B.DAT");
    FileFinding("Evil", "C:\\X\\A.DAT");
    FileFinding("Evil", "C:\\X\\B.DAT");
    RegistryFinding("Evil", "-2147483647", "Software\\X", "Y");
    std::vector<std::string> seen;
    machine.eventLoop.onYield = [&] {
        const std::string line = Main().lblDeletingPercentageCompleted->Caption() + " | " +
                                 Main().lblDeletingCaption->Caption() + " | " +
                                 std::to_string(Main().pgbDeleteSpywaresFound->Value()) + "/" +
                                 std::to_string(Main().pgbDeleteSpywaresFound->Max());
        if (seen.empty() || seen.back() != line) {
            seen.push_back(line);
        }
    };
    Delete();
    machine.eventLoop.onYield = nullptr;

    EXPECT_NE(std::find(seen.begin(), seen.end(), "Removing : 50% Completed. | c:\\x\\a.dat | 1/3"),
              seen.end());
    EXPECT_NE(
        std::find(seen.begin(), seen.end(), "Removing : 100% Completed. | c:\\x\\b.dat | 2/3"),
        seen.end());
    EXPECT_NE(
        std::find(seen.begin(), seen.end(), "Removing : 100% Completed. | software\\x\\y | 3/3"),
        seen.end());
}

// While a removal runs, its copies may not be restored or deleted from the
// quarantine window; and an item put back meanwhile all the same is saved
// again before the second pass deletes it, never on the strength of the
// copy that the restore discarded.
TEST_F(RemovalRun, AnItemRestoredWhileTheRemovalRunsIsSavedAgainBeforeItGoes) {
    using platform::RegistryRoot;
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Evil", "Run", "evil.exe");
    machine.fileSystem.AddFile("C:\\X\\evil.dat", "evil");
    RegistryFinding("Evil", "-2147483647", "Software\\Evil", "");
    FileFinding("Evil", "C:\\X\\evil.dat");
    bool restored = false;
    machine.eventLoop.onYield = [&] {
        if (restored || machine.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Evil")) {
            return;
        }
        restored = true;
        OpenQuarantineWindow(*app);
        ui::FrmQuarantine& window = app->frmQuarantine;
        ASSERT_EQ(window.lvwItems->ItemCount(), 2);
        window.lvwItems->SetChecked(0, true);
        window.lvwItems->SetChecked(1, true);
        EXPECT_FALSE(window.cmdRestore->Enabled());
        EXPECT_FALSE(window.cmdDelete->Enabled());
        window.cmdDelete->Click();
        ASSERT_EQ(
            LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder).size(),
            2u);
        for (const QuarantineEntry& entry :
             LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder)) {
            EXPECT_EQ(RestoreQuarantined(*app, entry, RestorePlace::Original).outcome,
                      RestoreOutcome::Restored);
        }
    };
    Delete();
    machine.eventLoop.onYield = nullptr;

    ASSERT_TRUE(restored);
    EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Evil"));
    EXPECT_FALSE(Exists("C:\\X\\evil.dat"));
    for (const QuarantineEntry& entry :
         LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        EXPECT_EQ(RestoreQuarantined(*app, entry, RestorePlace::Original).outcome,
                  RestoreOutcome::Restored)
            << entry.storedName;
    }
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Evil", "Run"),
              "evil.exe");
    EXPECT_EQ(machine.fileSystem.ReadWholeFile("C:\\X\\evil.dat"), "evil");
    EXPECT_TRUE(app->frmQuarantine.cmdRestore->Enabled()) << "held only while the removal runs";
}

TEST_F(RemovalRun, UncheckedRowsStayInTheirOrderAndTheirItemsStay) {
    for (const char* path : {"C:\\X\\1.dat", "C:\\X\\2.dat", "C:\\X\\3.dat"}) {
        machine.fileSystem.AddFile(path);
    }
    FileFinding("One", "C:\\X\\1.dat");
    FileFinding("Two", "C:\\X\\2.dat");
    FileFinding("Three", "C:\\X\\3.dat");
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->SetChecked(1, false);
    Main().lvwFilesToBeDeleted->SetChecked(1, false);
    Delete();
    EXPECT_TRUE(Exists("C:\\X\\2.dat"));
    EXPECT_EQ(Texts(Removal()), std::vector<std::string>{"Two"});
    EXPECT_EQ(Texts(*Main().lvwFilesToBeDeleted), std::vector<std::string>{"C:\\X\\2.dat"});
}

TEST_F(RemovalRun, ASecondClickWhileARemovalRunsIsIgnored) {
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    int nestedRuns = 0;
    machine.eventLoop.onYield = [&] {
        if (nestedRuns++ == 0) {
            EXPECT_FALSE(Main().Command4->Enabled());
            EXPECT_FALSE(Main().lblRemove->Enabled());
            lblRemove_Click(*app);
            Main().lvwFilesToBeDeleted->Clear();  // a list emptied meanwhile is no crash
        }
    };
    Delete();
    machine.eventLoop.onYield = nullptr;
    EXPECT_EQ(machine.systemRestore.calls.size(), 2u) << "one run only";
    EXPECT_TRUE(Main().Command4->Enabled());
}

TEST_F(RemovalRun, CopyListPutsEveryLeftoverOnTheClipboardAndOkHides) {
    app->frmDelete.lstProblem->AddItem("C:\\X\\a.exe");
    app->frmDelete.lstProblem->AddItem("C:\\Y\\b.dll");
    app->frmDelete.Show();
    app->frmDelete.Command2->onClick();
    EXPECT_EQ(machine.clipboard.text, "C:\\X\\a.exe\r\nC:\\Y\\b.dll\r\n");
    app->frmDelete.Command1->onClick();
    EXPECT_FALSE(app->frmDelete.Visible());
}

TEST_F(RemovalRun, ViewQuarantineOpensTheFolderInExplorer) {
    Main().mnuQuarItem[0]->onClick();
    EXPECT_TRUE(machine.fileSystem.DirectoryExists(DataFile("quarantine")));
    ASSERT_FALSE(machine.shell.commandLines.empty());
    EXPECT_EQ(machine.shell.commandLines.back(),
              "explorer \"C:\\Users\\alice\\AppData\\Roaming\\AntiSpywareDAT\\quarantine\"");
}

TEST_F(RemovalRun, AScheduledScanRemovesWithoutAsking) {
    machine.fileSystem.AddFile("C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\evil.dat");
    app->scan.AutoRemoveAfterScan = true;
    Command4_Click(*app);
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_FALSE(Exists("C:\\X\\evil.dat"));
}

// A browser policy goes the way of any registry value or file: saved first,
// so that the quarantine window can put it back, and only what was found.
TEST_F(RemovalRun, BrowserPoliciesAreSavedThenDeletedAndOnlyThoseFound) {
    using platform::RegistryRoot;
    machine.Model64BitWindows();
    SetUserSetting("OptionAndSettings", "chkScanCookies", "0");
    const std::string chrome = "SOFTWARE\\Policies\\Google\\Chrome";
    const std::string forcelist =
        "SOFTWARE\\WOW6432Node\\Policies\\Google\\Chrome\\"
        "ExtensionInstallForcelist";
    const std::string file =
        "C:\\Program Files (x86)\\Mozilla Firefox\\distribution\\policies.json";
    machine.registry.SetString(RegistryRoot::LocalMachine, chrome, "HomepageLocation", "http://a");
    machine.registry.SetString(RegistryRoot::LocalMachine, chrome, "PasswordManagerEnabled", "0");
    machine.registry.SetString(RegistryRoot::LocalMachine, forcelist, "1", "evil;http://u");
    machine.registry.SetString(RegistryRoot::LocalMachine, forcelist, "2", "good;http://u");
    machine.fileSystem.AddFile(file, R"({"policies": {"Homepage": {"URL": "http://c"}}})");
    Scan();
    // The registry's own order: the list's second extension is kept.
    ui::ListView& names = *Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    ASSERT_EQ(Texts(names),
              (std::vector<std::string>{
                  "Chrome start page set to http://a", "Chrome forces extension evil",
                  "Chrome forces extension good", "Firefox start page set to http://c"}));
    for (const int row : {0, 1, 3}) {
        names.SetChecked(row, true);
        scan::PropagateRemovalCheck(*app, row);
    }
    Delete();

    EXPECT_FALSE(machine.registry.String(RegistryRoot::LocalMachine, chrome, "HomepageLocation"));
    EXPECT_EQ(machine.registry.String(RegistryRoot::LocalMachine, chrome, "PasswordManagerEnabled"),
              "0");
    EXPECT_FALSE(machine.registry.String(RegistryRoot::LocalMachine, forcelist, "1"));
    EXPECT_EQ(machine.registry.String(RegistryRoot::LocalMachine, forcelist, "2"), "good;http://u");
    EXPECT_FALSE(Exists(file));
    std::vector<std::string> saved;
    for (const QuarantineEntry& entry :
         LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        saved.push_back(entry.location + " | " + entry.valueName + " | " + entry.threat);
        EXPECT_TRUE(
            VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder, entry));
        if (entry.kind == QuarantineKind::RegistryValue) {
            const std::optional<std::vector<RegFileKey>> copy = ParseRegFile(
                machine.fileSystem.ReadWholeFile(Quarantined(entry.storedName)).value_or(""),
                machine.textCodec);
            ASSERT_TRUE(copy && copy->size() == 1 && copy->front().values.size() == 1);
        }
    }
    EXPECT_EQ(saved, (std::vector<std::string>{
                         file + " |  | Firefox start page set to http://c",
                         "HKEY_LOCAL_MACHINE\\" + chrome +
                             " | HomepageLocation | Chrome start page set to http://a",
                         "HKEY_LOCAL_MACHINE\\" + forcelist + " | 1 | Chrome forces extension evil",
                     }));
}

TEST_F(RemovalRun, ABrowserPolicyWhoseCopyFailsIsKeptAndListed) {
    using platform::RegistryRoot;
    SetUserSetting("OptionAndSettings", "chkScanCookies", "0");
    const std::string edge = "SOFTWARE\\Policies\\Microsoft\\Edge";
    machine.registry.SetString(RegistryRoot::CurrentUser, edge, "NewTabPageLocation", "http://b");
    Scan();
    ASSERT_EQ(Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount(), 1);
    scan::cmdSelectAll_Click(*app);
    machine.fileSystem.RefuseWritesUnder(Quarantined(""));
    Delete();
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, edge, "NewTabPageLocation"),
              "http://b");
    EXPECT_EQ(Problems(),
              std::vector<std::string>{"HKEY_CURRENT_USER\\" + edge + "\\NewTabPageLocation"});
}

}  // namespace
}  // namespace removal

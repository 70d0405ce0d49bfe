#include "startup_items/startup_scan.h"

#include <set>

#include "definitions/line_code.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_restore.h"
#include "removal/removal_run.h"
#include "removal/restore_command.h"
#include "report/scan_report.h"
#include "scan/finding_lists.h"
#include "scan/scan_fixture.h"
#include "startup_items/command_line.h"

namespace startup_items {
namespace {

using platform::RegistryRoot;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kWowRun[] = "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kNt[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char kInternet[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kHosts[] = "C:\\Windows\\system32\\drivers\\etc\\hosts";
constexpr char kRoaming[] = "C:\\Users\\alice\\AppData\\Roaming";
const std::string kUpdater = std::string(kRoaming) + "\\Upd\\upd.exe";

class StartupScan : public scan::testing::ScanFixture {
protected:
    StartupScan() {
        SetUserSetting("OptionAndSettings", "chkScanCookies", "0");
        machine.Model64BitWindows();
        machine.environment.Set("APPDATA", kRoaming);
        machine.environment.Set("SystemRoot", "C:\\Windows");
        machine.environment.Set("TEMP", "C:\\Users\\alice\\AppData\\Local\\Temp");
        // A Run value to an unsigned program in the roaming data, written
        // unquoted and with a variable; a second place starting it too.
        machine.fileSystem.AddFile(kUpdater, "MZ");
        machine.registry.SetValue(kUser, kRun, "Updater",
                                  ExpandText("%APPDATA%\\Upd\\upd.exe /silent"));
        machine.registry.SetString(kUser, std::string(kRun) + "Once", "Again", kUpdater);
        // The 32-bit view's Run key, with a program in ProgramData's root.
        machine.fileSystem.AddFile("C:\\ProgramData\\helper.exe", "MZ");
        machine.registry.SetString(kMachine, kWowRun, "Helper", "C:\\ProgramData\\helper.exe");
        // Signed, from the roaming data's sub-folder: no finding.
        machine.fileSystem.AddFile(std::string(kRoaming) + "\\Zoom\\zoom.exe", "MZ");
        machine.fileOrigin.Sign(std::string(kRoaming) + "\\Zoom\\zoom.exe", "Zoom Inc.");
        machine.registry.SetString(kUser, kRun, "Zoom",
                                   "\"C:\\Users\\alice\\AppData\\Roaming\\Zoom\\zoom.exe\" /bg");
        // Winlogon as Windows sets it; a debugger on notepad.
        machine.registry.SetString(kMachine, std::string(kNt) + "\\Winlogon", "Shell",
                                   "explorer.exe");
        machine.registry.SetString(kMachine, std::string(kNt) + "\\Winlogon", "Userinit",
                                   "C:\\Windows\\system32\\userinit.exe,");
        machine.registry.SetString(kMachine,
                                   std::string(kNt) + "\\Image File Execution Options\\notepad.exe",
                                   "Debugger", "C:\\Tools\\dbg.exe");
        machine.registry.SetValue(kUser, kInternet, "ProxyEnable",
                                  {platform::reg_type::kDword, std::string("\x01\0\0\0", 4)});
        machine.registry.SetString(kUser, kInternet, "ProxyServer", "127.0.0.1:8080");
        machine.fileSystem.AddFile(kHosts, kHostsText);
    }

    static platform::RegistryValue ExpandText(std::string_view text) {
        platform::RegistryValue value = platform::StringValue(text);
        value.type = platform::reg_type::kExpandString;
        return value;
    }

    std::vector<std::string> Findings() {
        std::vector<std::string> rows;
        for (int row = 0; row < Removal().ItemCount(); ++row) {
            const ui::ListItem& item = Removal().Item(row);
            rows.push_back(item.text + " | " + item.SubItem(1) + " | " + item.SubItem(2));
        }
        return rows;
    }

    // Every item of the quarantine of these kinds put back, each outcome in
    // order.
    std::vector<removal::RestoreOutcome> RestoreAll(std::set<removal::QuarantineKind> kinds) {
        std::vector<removal::RestoreOutcome> outcomes;
        for (const removal::QuarantineEntry& entry :
             removal::ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder)) {
            if (!kinds.contains(entry.kind)) {
                continue;
            }
            outcomes.push_back(
                removal::RestoreQuarantined(*app, entry, removal::RestorePlace::Original).outcome);
        }
        return outcomes;
    }

    void CheckAllAndRemove() {
        scan::cmdSelectAll_Click(*app);
        machine.dialogs.answers = {platform::MessageAnswer::Yes};
        removal::Command4_Click(*app);
    }

    static constexpr char kHostsText[] =
        "# blocking lines are protection\r\n127.0.0.1 localhost\r\n::1 localhost\r\n"
        "0.0.0.0 ads.example tracker.example # ads\r\n10.6.6.6   www.bank.example\r\n";
};

const std::string kWritable =
    "Starts a program that is not validly signed from a folder that any user can write";

TEST_F(StartupScan, SuspiciousEntriesAreFindingsWithTheirReasonAndTheOthersStayClean) {
    Scan();
    EXPECT_EQ(
        Findings(),
        (std::vector<std::string>{
            "Run Helper: " + kWritable + " | HKEY_LOCAL_MACHINE\\" + kWowRun +
                "\\Helper | Startup item",
            "Run Updater: " + kWritable + " | HKEY_CURRENT_USER\\" + kRun +
                "\\Updater | Startup item",
            "RunOnce Again: " + kWritable + " | HKEY_CURRENT_USER\\" + kRun +
                "Once\\Again | Startup item",
            "IFEO Debugger notepad.exe: Starts another program in place of this one or when it "
            "ends | HKEY_LOCAL_MACHINE\\" +
                std::string(kNt) +
                "\\Image File Execution Options\\notepad.exe\\Debugger | "
                "Hijack point",
            "Proxy ProxyServer: Sends the browser's traffic through a program on this computer | "
            "HKEY_CURRENT_USER\\" +
                std::string(kInternet) + "\\ProxyServer | Hijack point",
            "Hosts www.bank.example: Sends these names to another address than their own | " +
                std::string(kHosts) + ": 10.6.6.6 www.bank.example | Hijack point",
        }));
    // Each file's signature is checked once, whichever places start it.
    EXPECT_EQ(machine.fileOrigin.checks, 3);
}

TEST_F(StartupScan, TheReportListsEveryEntryReadInItsFixedLayout) {
    Scan();
    report::MakeReport(*app);
    const auto* file = machine.fileSystem.Find(report::ReportPath(app->DataFolder));
    ASSERT_NE(file, nullptr);
    const std::string& text = file->content;
    const std::size_t end = text.find("=====================End Of Report.\r\n");
    ASSERT_NE(end, std::string::npos);
    const std::string section = text.substr(end + 37);
    EXPECT_EQ(section.substr(0, 2), "\r\n");
    EXPECT_NE(section.find("\r\n[Startup Items and Hijack Points]\r\nCategory | Where | Starts | "
                           "Publisher | Company | File | Verdict\r\n"),
              std::string::npos);
    EXPECT_NE(
        section.find("Run | HKEY_CURRENT_USER\\" + std::string(kRun) + "\\Updater | " + kUpdater +
                     " /silent | not signed |  | exists | Startup item: " + kWritable + "\r\n"),
        std::string::npos);
    EXPECT_NE(section.find("\\Zoom | " + std::string(kRoaming) +
                           "\\Zoom\\zoom.exe /bg | Zoom Inc. |  | exists | clean\r\n"),
              std::string::npos);
    EXPECT_NE(section.find("Winlogon Shell | HKEY_LOCAL_MACHINE\\"), std::string::npos);
    EXPECT_NE(section.find("Hosts | " + std::string(kHosts) + " | 3 lines that block names"),
              std::string::npos);
    EXPECT_NE(section.find("findings = 6\r\n"), std::string::npos);
    // The results page shows only the findings.
    EXPECT_EQ(Removal().ItemCount(), 6);
}

// Every kind comes away through its own save-first path, and back from the
// quarantine exactly as it was.
TEST_F(StartupScan, EveryRegistryKindAndTheHostsLinesAreRemovedAndRestoredExactly) {
    const std::string winlogon = std::string(kNt) + "\\Winlogon";
    const std::string windows = std::string(kNt) + "\\Windows";
    const std::string ifeo = std::string(kNt) + "\\Image File Execution Options\\notepad.exe";
    const platform::RegistryValue one{platform::reg_type::kDword, std::string("\x01\0\0\0", 4)};
    const platform::RegistryValue zero{platform::reg_type::kDword, std::string(4, '\0')};
    machine.registry.SetString(kMachine, winlogon, "Shell", "explorer.exe C:\\x\\shell.exe");
    machine.registry.SetString(kMachine, winlogon, "Userinit",
                               "C:\\Windows\\system32\\userinit.exe,C:\\x\\init.exe,");
    machine.registry.SetString(kMachine, windows, "AppInit_DLLs", "C:\\x\\hook.dll");
    machine.registry.SetValue(kMachine, windows, "LoadAppInit_DLLs", one);
    machine.registry.SetString(kUser, kInternet, "AutoConfigURL", "http://pac.example/p.pac");
    struct Row {
        RegistryRoot root;
        std::string key;
        std::string value;
        // What the removal leaves; nullopt: the value is deleted.
        std::optional<platform::RegistryValue> left;
    };
    const std::vector<Row> rows{
        {kUser, kRun, "Updater", std::nullopt},
        {kMachine, kWowRun, "Helper", std::nullopt},
        {kMachine, ifeo, "Debugger", std::nullopt},
        {kMachine, winlogon, "Shell", platform::StringValue("explorer.exe")},
        {kMachine, winlogon, "Userinit",
         platform::StringValue("C:\\Windows\\system32\\userinit.exe,")},
        {kMachine, windows, "AppInit_DLLs", platform::StringValue("")},
        {kMachine, windows, "LoadAppInit_DLLs", zero},
        {kUser, kInternet, "ProxyServer", platform::StringValue("")},
        {kUser, kInternet, "ProxyEnable", zero},
        {kUser, kInternet, "AutoConfigURL", std::nullopt},
    };
    std::vector<std::optional<platform::RegistryValue>> before;
    for (const Row& row : rows) {
        before.push_back(machine.registry.Value(row.root, row.key, row.value));
        ASSERT_TRUE(before.back().has_value()) << row.value;
    }
    Scan();
    CheckAllAndRemove();
    EXPECT_TRUE(app->frmDelete.lstProblem->Items().empty());
    EXPECT_EQ(Removal().ItemCount(), 0);
    for (const Row& row : rows) {
        const std::optional<platform::RegistryValue> now =
            machine.registry.Value(row.root, row.key, row.value);
        EXPECT_EQ(now.has_value(), row.left.has_value()) << row.value;
        if (now && row.left) {
            EXPECT_EQ(now->type, row.left->type) << row.value;
            EXPECT_EQ(now->data, row.left->data) << row.value;
        }
    }
    // The redirecting line is commented out; the blocking lines, the line
    // ends and everything else stay.
    EXPECT_EQ(machine.fileSystem.Find(kHosts)->content,
              "# blocking lines are protection\r\n127.0.0.1 localhost\r\n::1 localhost\r\n"
              "0.0.0.0 ads.example tracker.example # ads\r\n# 10.6.6.6   www.bank.example\r\n");

    for (const removal::QuarantineEntry& entry :
         removal::ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        EXPECT_EQ(removal::RestoreQuarantined(*app, entry, removal::RestorePlace::Original).outcome,
                  removal::RestoreOutcome::Restored)
            << entry.location << " " << entry.valueName;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::optional<platform::RegistryValue> now =
            machine.registry.Value(rows[i].root, rows[i].key, rows[i].value);
        ASSERT_TRUE(now.has_value()) << rows[i].value;
        EXPECT_EQ(now->type, before[i]->type) << rows[i].value;
        EXPECT_EQ(now->data, before[i]->data) << rows[i].value;
    }
    EXPECT_EQ(machine.fileSystem.Find(kHosts)->content, kHostsText);
    EXPECT_TRUE(
        removal::ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder).empty());
}

// A hosts file edited since the removal is not written over: only the lines
// the removal commented out come back, and when they are gone nothing does.
TEST_F(StartupScan, AHostsFileChangedSinceTheRemovalGetsBackOnlyItsCommentedLines) {
    Scan();
    CheckAllAndRemove();
    const auto hostsEntry = [this] {
        for (const removal::QuarantineEntry& entry :
             removal::ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder)) {
            if (entry.kind == removal::QuarantineKind::HostsLines) {
                return entry;
            }
        }
        return removal::QuarantineEntry{};
    };
    // Restored and excluded, the line is no finding of the next scan.
    EXPECT_EQ(removal::ScanNameOfRestored(hostsEntry(), kHosts),
              std::string(kHosts) + ": 10.6.6.6 www.bank.example");
    const std::string commented = machine.fileSystem.Find(kHosts)->content;
    machine.fileSystem.AddFile(kHosts, commented + "192.0.2.1 intranet\r\n");
    removal::RestoreResult result =
        removal::RestoreQuarantined(*app, hostsEntry(), removal::RestorePlace::Original);
    EXPECT_EQ(result.outcome, removal::RestoreOutcome::Restored);
    EXPECT_FALSE(result.note.empty());
    EXPECT_EQ(machine.fileSystem.Find(kHosts)->content,
              std::string(kHostsText) + "192.0.2.1 intranet\r\n");

    // Removed again, then the line taken out by hand: nothing to put back.
    Scan();
    CheckAllAndRemove();
    machine.fileSystem.AddFile(kHosts, "127.0.0.1 localhost\r\n");
    result = removal::RestoreQuarantined(*app, hostsEntry(), removal::RestorePlace::Original);
    EXPECT_EQ(result.outcome, removal::RestoreOutcome::Occupied);
    EXPECT_EQ(machine.fileSystem.Find(kHosts)->content, "127.0.0.1 localhost\r\n");
    EXPECT_EQ(hostsEntry().kind, removal::QuarantineKind::HostsLines);
}

// A standard user cannot change the machine's entries: each is said with
// what to do, nothing of it is changed, and the quarantine keeps no copy.
TEST_F(StartupScan, AStandardUserIsToldToRunAsAdministratorAndNothingIsHalfDone) {
    const std::string winlogon = std::string(kNt) + "\\Winlogon";
    machine.registry.SetString(kMachine, winlogon, "Shell", "C:\\x\\shell.exe");
    const std::string shortcut = "C:\\Users\\Public\\Desktop\\Google Chrome.lnk";
    const std::string link = fakes::FakeShell::LinkContent(
        {"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", "http://start.example"});
    machine.fileSystem.AddFile(shortcut, link);
    const std::string temp = "C:\\Users\\alice\\AppData\\Local\\Temp\\svc.exe";
    machine.fileSystem.AddFile(temp, "MZ");
    // All users' Startup folder: the file stays, said like the others.
    const std::string common =
        "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\upd.lnk";
    machine.fileSystem.AddFile(common, fakes::FakeShell::LinkContent({kUpdater, ""}));
    machine.services.services = {
        {"evilsvc", "Windows Helper", platform::ServiceStart::Automatic, temp}};
    machine.ModelStandardUser();
    Scan();
    CheckAllAndRemove();
    EXPECT_EQ(machine.registry.String(kMachine, winlogon, "Shell"), "C:\\x\\shell.exe");
    EXPECT_EQ(machine.fileSystem.Find(kHosts)->content, kHostsText);
    EXPECT_EQ(machine.fileSystem.Find(shortcut)->content, link);
    EXPECT_EQ(machine.services.services[0].start, platform::ServiceStart::Automatic);
    EXPECT_NE(machine.fileSystem.Find(common), nullptr);
    // The user's own entries go.
    EXPECT_FALSE(machine.registry.String(kUser, kRun, "Updater").has_value());
    const std::string admin = "Only an administrator can change this entry";
    std::vector<std::string> told;
    for (const std::string& problem : app->frmDelete.lstProblem->Items()) {
        if (problem.find(admin) != std::string::npos) {
            told.push_back(problem.substr(0, problem.find(" - ")));
        }
    }
    EXPECT_EQ(told, (std::vector<std::string>{
                        common, "HKEY_LOCAL_MACHINE\\" + std::string(kWowRun) + "\\Helper",
                        "HKEY_LOCAL_MACHINE\\" + std::string(kNt) +
                            "\\Image File Execution Options\\notepad.exe\\Debugger",
                        "HKEY_LOCAL_MACHINE\\" + winlogon + "\\Shell", shortcut,
                        "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\evilsvc",
                        std::string(kHosts) + ": 10.6.6.6 www.bank.example"}));
    for (const removal::QuarantineEntry& entry :
         removal::ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        EXPECT_EQ(entry.location.rfind("HKEY_CURRENT_USER", 0), 0u) << entry.location;
    }
    for (int row = 0; row < Removal().ItemCount(); ++row) {
        EXPECT_FALSE(Removal().Item(row).checked);
    }
}

TEST_F(StartupScan,
       AStartupFolderFileIsQuarantinedAndABrowserShortcutLosesOnlyItsAddressUntilRestored) {
    const std::string startup = *machine.shellFolders.FolderPath(platform::csidl::kStartup);
    const std::string desktop =
        *machine.shellFolders.FolderPath(platform::csidl::kDesktopDirectory);
    const std::string chrome = "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe";
    const auto shortcut = [this](const std::string& path, std::string target,
                                 std::string arguments) {
        machine.fileSystem.AddFile(
            path, fakes::FakeShell::LinkContent({std::move(target), std::move(arguments)}));
    };
    shortcut(startup + "\\upd.lnk", "%APPDATA%\\Upd\\upd.exe", "");
    shortcut(desktop + "\\Google Chrome.lnk", chrome,
             "--profile-directory=Default http://start.example --load-extension=C:\\x\\ext");
    // Named after a browser, it starts something else: it goes whole.
    shortcut(desktop + "\\Firefox.lnk", std::string(kRoaming) + "\\Upd\\upd.exe", "");
    // A browser's shortcut with only a profile, and another program's: clean.
    shortcut(desktop + "\\Chrome Work.lnk", chrome, "--profile-directory=\"Profile 1\"");
    shortcut(desktop + "\\Notes.lnk", "C:\\Windows\\notepad.exe", "C:\\notes.txt");
    Scan();
    std::vector<std::string> shortcuts;
    for (const std::string& row : Findings()) {
        if (row.find(".lnk") != std::string::npos) {
            shortcuts.push_back(row);
        }
    }
    EXPECT_EQ(shortcuts,
              (std::vector<std::string>{
                  "Startup folder upd: " + kWritable + " | " + startup + "\\upd.lnk | Startup item",
                  "Browser shortcut Firefox: Bears a browser's name but starts another program | " +
                      desktop + "\\Firefox.lnk | Hijack point",
                  "Browser shortcut Google Chrome: Makes the browser open an address or load an "
                  "extension at every start | " +
                      desktop + "\\Google Chrome.lnk | Hijack point"}));

    CheckAllAndRemove();
    EXPECT_TRUE(app->frmDelete.lstProblem->Items().empty());
    EXPECT_EQ(machine.fileSystem.Find(startup + "\\upd.lnk"), nullptr);
    EXPECT_EQ(machine.fileSystem.Find(desktop + "\\Firefox.lnk"), nullptr);
    EXPECT_EQ(machine.shell.ReadShortcut(desktop + "\\Google Chrome.lnk")->arguments,
              "--profile-directory=Default");
    EXPECT_EQ(machine.shell.ReadShortcut(desktop + "\\Chrome Work.lnk")->arguments,
              "--profile-directory=\"Profile 1\"");

    EXPECT_EQ(
        RestoreAll({removal::QuarantineKind::File, removal::QuarantineKind::ShortcutArguments}),
        std::vector<removal::RestoreOutcome>(3, removal::RestoreOutcome::Restored));
    EXPECT_EQ(machine.shell.ReadShortcut(desktop + "\\Google Chrome.lnk")->arguments,
              "--profile-directory=Default http://start.example --load-extension=C:\\x\\ext");
    EXPECT_NE(machine.fileSystem.Find(startup + "\\upd.lnk"), nullptr);
    EXPECT_NE(machine.fileSystem.Find(desktop + "\\Firefox.lnk"), nullptr);
}

TEST_F(StartupScan, AServiceFromTempIsDisabledNotDeletedAndItsStartTypeComesBack) {
    const std::string temp = "C:\\Users\\alice\\AppData\\Local\\Temp\\svc.exe";
    machine.fileSystem.AddFile(temp, "MZ");
    machine.fileSystem.AddFile("C:\\Windows\\system32\\spoolsv.exe", "MZ");
    machine.services.services = {
        {"Spooler", "Print Spooler", platform::ServiceStart::Automatic,
         "C:\\Windows\\System32\\spoolsv.exe"},
        {"evilsvc", "Windows Helper", platform::ServiceStart::Automatic, "\\??\\" + temp},
    };
    Scan();
    const std::string where = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\evilsvc";
    const std::vector<std::string> findings = Findings();
    ASSERT_NE(std::find(findings.begin(), findings.end(),
                        "Service evilsvc: " + kWritable + " | " + where + " | Startup item"),
              findings.end());
    report::MakeReport(*app);
    const std::string& report =
        machine.fileSystem.Find(report::ReportPath(app->DataFolder))->content;
    EXPECT_NE(report.find("Service | " + where + " (Windows Helper, automatic) | " + temp +
                          " | not signed"),
              std::string::npos);
    EXPECT_NE(report.find("(Print Spooler, automatic) | C:\\Windows\\System32\\spoolsv.exe"),
              std::string::npos);

    CheckAllAndRemove();
    EXPECT_TRUE(app->frmDelete.lstProblem->Items().empty());
    EXPECT_NE(machine.fileSystem.Find(temp), nullptr);
    ASSERT_EQ(machine.services.services.size(), 2u);
    EXPECT_EQ(machine.services.services[1].start, platform::ServiceStart::Disabled);
    EXPECT_EQ(machine.services.services[0].start, platform::ServiceStart::Automatic);

    // Started by hand meanwhile: the restore leaves it as the user set it.
    machine.services.services[1].start = platform::ServiceStart::Manual;
    EXPECT_EQ(RestoreAll({removal::QuarantineKind::ServiceStart}),
              std::vector{removal::RestoreOutcome::Occupied});
    EXPECT_EQ(machine.services.services[1].start, platform::ServiceStart::Manual);
    machine.services.services[1].start = platform::ServiceStart::Disabled;
    EXPECT_EQ(RestoreAll({removal::QuarantineKind::ServiceStart}),
              std::vector{removal::RestoreOutcome::Restored});
    EXPECT_EQ(machine.services.services[1].start, platform::ServiceStart::Automatic);
}

TEST_F(StartupScan, TasksAreListedPerProgramAndAHiddenOneRunningAScriptHostIsFound) {
    machine.services.unavailable = true;
    platform::ScheduledTask hidden;
    hidden.path = "\\Updater";
    hidden.hidden = true;
    hidden.repetitions = {"PT1H", "PT15M"};
    hidden.programs = {{"%SystemRoot%\\System32\\mshta.exe", "http://x.example/a.hta"}};
    // A scheduler that gives only the definition.
    platform::ScheduledTask plain;
    plain.path = "\\Vendor\\Backup";
    plain.definitionXml =
        "<Task><Actions><Exec><Command>C:\\Program Files\\Backup\\b.exe</Command>"
        "<Arguments>/nightly</Arguments></Exec></Actions></Task>";
    machine.scheduledTasks.tasks = {hidden, plain};
    Scan();
    const std::string where = "C:\\Windows\\system32\\Tasks\\Updater";
    const std::vector<std::string> findings = Findings();
    EXPECT_NE(std::find(findings.begin(), findings.end(),
                        "Task \\Updater: Is a hidden task that starts a script host, a system tool "
                        "or an unsigned program from a folder any user can write | " +
                            where + " | Startup item"),
              findings.end());
    report::MakeReport(*app);
    const std::string& report =
        machine.fileSystem.Find(report::ReportPath(app->DataFolder))->content;
    EXPECT_NE(report.find("Task | " + where +
                          " (hidden, every 15 minutes) | C:\\Windows\\System32\\mshta.exe "
                          "http://x.example/a.hta |"),
              std::string::npos);
    EXPECT_NE(report.find("Task | C:\\Windows\\system32\\Tasks\\Vendor\\Backup | "
                          "C:\\Program Files\\Backup\\b.exe /nightly |"),
              std::string::npos);

    // Exported into the quarantine, deleted, and registered again from its
    // definition, but never over a task of its path.
    CheckAllAndRemove();
    EXPECT_TRUE(app->frmDelete.lstProblem->Items().empty());
    ASSERT_EQ(machine.scheduledTasks.tasks.size(), 1u);
    EXPECT_EQ(machine.scheduledTasks.tasks[0].path, "\\Vendor\\Backup");
    machine.scheduledTasks.tasks.push_back(hidden);
    EXPECT_EQ(RestoreAll({removal::QuarantineKind::Task}),
              std::vector{removal::RestoreOutcome::Occupied});
    machine.scheduledTasks.tasks.pop_back();
    EXPECT_EQ(RestoreAll({removal::QuarantineKind::Task}),
              std::vector{removal::RestoreOutcome::Restored});
    ASSERT_EQ(machine.scheduledTasks.registered.size(), 1u);
    EXPECT_EQ(machine.scheduledTasks.registered[0].path, "\\Updater");
    EXPECT_EQ(machine.scheduledTasks.registered[0].definitionXml,
              "<Task><!-- \\Updater --></Task>");
}

// A place that holds one value is named by its category alone.
TEST_F(StartupScan, WinlogonAndAppInitFindingsAreNamedByTheirPlace) {
    machine.registry.SetString(kUser, std::string(kNt) + "\\Winlogon", "Shell", "evil.exe");
    machine.registry.SetString(kMachine, std::string(kNt) + "\\Windows", "AppInit_DLLs",
                               "C:\\x\\hook.dll");
    machine.registry.SetValue(kMachine, std::string(kNt) + "\\Windows", "LoadAppInit_DLLs",
                              {platform::reg_type::kDword, std::string("\x01\0\0\0", 4)});
    Scan();
    const std::vector<std::string> findings = Findings();
    EXPECT_NE(std::find(findings.begin(), findings.end(),
                        "Winlogon Shell: Starts another program than Explorer as the Windows "
                        "shell | HKEY_CURRENT_USER\\" +
                            std::string(kNt) + "\\Winlogon\\Shell | Hijack point"),
              findings.end());
    EXPECT_NE(std::find(findings.begin(), findings.end(),
                        "AppInit_DLLs: Loads a library into every program that has windows | "
                        "HKEY_LOCAL_MACHINE\\" +
                            std::string(kNt) + "\\Windows\\AppInit_DLLs | Hijack point"),
              findings.end());
}

TEST_F(StartupScan, TheSafeListTheExclusionsAndWhatTheUserKeptCoverTheseFindingsToo) {
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"),
                               "HKEY_CURRENT_USER\\" + std::string(kRun) + "\\Updater\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    machine.fileSystem.AddFile(
        DataFile("Safety.dat"),
        definitions::EncodeDefinitionLine(
            "SREG|x|2^Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run^Helper") +
            "\r\n");
    // Kept when the shield asked, as it holds now; the debugger was kept
    // holding another program.
    const std::string ifeo = "HKEY_LOCAL_MACHINE\\" + std::string(kNt) +
                             "\\Image File Execution Options\\notepad.exe\\Debugger";
    SetUserSetting("KeptStartupItems", "HKEY_CURRENT_USER\\" + std::string(kRun) + "Once\\Again",
                   kUpdater);
    SetUserSetting("KeptStartupItems", ifeo, "C:\\Tools\\other.exe");
    Scan();
    const std::vector<std::string> summary = Summary();
    EXPECT_EQ(summary.front(), "EXCLUDED: HKEY_CURRENT_USER\\" + std::string(kRun) + "\\Updater");
    bool debugger = false;
    for (const std::string& row : Findings()) {
        EXPECT_EQ(row.find("Helper"), std::string::npos) << row;
        EXPECT_EQ(row.find("Updater"), std::string::npos) << row;
        EXPECT_EQ(row.find("Again"), std::string::npos) << row;
        debugger = debugger || row.find(ifeo) != std::string::npos;
    }
    EXPECT_TRUE(debugger);
}

// A command is split as Windows starts it: the shortest run of words naming
// a file, a quoted path, a bare name from the system folders.
TEST(CommandLine, TheProgramIsToldApartFromItsArgumentsAsWindowsDoes) {
    const std::vector<std::string> files = {"C:\\Program Files\\My App\\app.exe",
                                            "C:\\Windows\\system32\\rundll32.exe"};
    const auto exists = [&files](const std::string& path) {
        return std::find(files.begin(), files.end(), path) != files.end();
    };
    const std::vector<std::string> search = {"C:\\Windows\\system32", "C:\\Windows"};
    const auto split = [&](std::string_view command) {
        const Command c = SplitCommand(command, exists, search);
        return c.program + "|" + c.arguments;
    };
    EXPECT_EQ(split("C:\\Program Files\\My App\\app.exe -min"),
              "C:\\Program Files\\My App\\app.exe|-min");
    EXPECT_EQ(split("C:\\Program Files\\My App\\app -min"),
              "C:\\Program Files\\My App\\app.exe|-min");
    EXPECT_EQ(split("\"C:\\Gone Away\\x.exe\" a b"), "C:\\Gone Away\\x.exe|a b");
    EXPECT_EQ(split("C:\\Gone Away\\x.exe a b"), "C:\\Gone Away\\x.exe|a b");
    EXPECT_EQ(split("rundll32 shell32.dll,Control_RunDLL"),
              "C:\\Windows\\system32\\rundll32.exe|shell32.dll,Control_RunDLL");
    EXPECT_EQ(split("   "), "|");
    EXPECT_EQ(split("\"unclosed"), "unclosed|");
}

TEST(CommandLine, VariablesThatAreSetAreExpandedAndOthersKept) {
    fakes::FakeEnvironment environment;
    environment.Set("SystemRoot", "C:\\Windows");
    EXPECT_EQ(ExpandVariables("%systemroot%\\x.exe %UNSET% 100%", environment),
              "C:\\Windows\\x.exe %UNSET% 100%");
    EXPECT_EQ(ExpandVariables("%%SystemRoot%", environment), "%C:\\Windows");
}

}  // namespace
}  // namespace startup_items

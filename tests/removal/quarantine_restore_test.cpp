// Restoring from the quarantine window: every kind of item comes back exactly
// as it was removed, nothing is ever written over or through a link, a copy
// that was changed is refused, and a restore ended at any moment loses
// nothing.

#include "removal/quarantine_restore.h"

#include <random>

#include "app/program.h"
#include "removal/removal_fixture.h"
#include "removal/saved_content.h"

namespace removal {
namespace {

using platform::MessageAnswer;
using platform::RegistryRoot;
using platform::RegistryValue;

constexpr const char* kHklm = "-2147483646";
constexpr const char* kHkcu = "-2147483647";
constexpr const char* kAcme = "SOFTWARE\\WOW6432Node\\Acme";

class QuarantineRestore : public testing::RemovalFixture {
protected:
    ui::FrmQuarantine& Window() { return app->frmQuarantine; }

    void OpenAndCheck(const std::vector<std::string>& whereFrom = {}) {
        Main().mnuQuarItem[ui::FrmMain::kQuarRestoreOrDelete]->Click();
        const std::vector<ui::QuarantineRow> rows = Window().Rows();
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (whereFrom.empty() || std::find(whereFrom.begin(), whereFrom.end(),
                                               rows[row].whereFrom) != whereFrom.end()) {
                Window().lvwItems->UserSetChecked(static_cast<int>(row), true);
            }
        }
    }

    // Presses Restore and answers its question with Yes, leaving the offer
    // of the exclusions as it is or unchecking it; then the answers given
    // play the user's part in the boxes that follow.
    void Restore(bool exclude, std::deque<MessageAnswer> answers = {}) {
        host.scripts["frmRestoreQuestion"] = [exclude](ui::Form& form) {
            auto& question = static_cast<ui::FrmRestoreQuestion&>(form);
            EXPECT_TRUE(question.chkExclude->Checked()) << "offered, checked by default";
            if (!exclude) {
                question.chkExclude->UserToggle();
            }
            question.cmdYes->Click();
        };
        machine.dialogs.shown.clear();
        machine.dialogs.answers = std::move(answers);
        Window().cmdRestore->Click();
    }

    std::vector<std::string> Listed() {
        std::vector<std::string> where;
        for (const ui::QuarantineRow& row : Window().Rows()) {
            where.push_back(row.whereFrom);
        }
        return where;
    }

    std::string Exclusions() {
        return machine.fileSystem.ReadWholeFile(DataFile("ENoSignature.dat")).value_or("");
    }

    std::string Content(std::string_view path) {
        const fakes::FakeFileSystem::File* file = machine.fileSystem.Find(path);
        return file ? file->content : "(absent)";
    }

    std::string LastMessage() {
        return machine.dialogs.shown.empty() ? "" : machine.dialogs.shown.back().text;
    }
};

TEST_F(QuarantineRestore, EveryKindComesBackAsItWasAndLeavesTheQuarantine) {
    machine.Model64BitWindows();
    fakes::FakeFileSystem& fs = machine.fileSystem;
    fs.AddFile("C:\\Tools\\tool.exe", std::string("MZ\0\x90\xff", 5)).readOnly = true;
    fs.AddFile("C:\\Tools\\Kit\\a.txt", "a");
    fs.AddFile("C:\\Tools\\Kit\\sub\\h.dat", "hidden").hidden = true;
    // A customised folder, and a hidden one inside it.
    ASSERT_TRUE(fs.SetFolderAttributes("C:\\Tools\\Kit", true, false, true));
    ASSERT_TRUE(fs.SetFolderAttributes("C:\\Tools\\Kit\\sub", false, true, false));
    fs.AddFile("C:\\Users\\alice\\Cookies\\alice@ads[1].txt", "cookie");
    const std::vector<RegistryValue> values = {
        {platform::reg_type::kString, std::string("text\0", 5)},
        {platform::reg_type::kExpandString, std::string("%TEMP%\\x\0", 9)},
        {platform::reg_type::kDword, std::string("\x2a\0\0\0", 4)},
        {platform::reg_type::kBinary, std::string("\0\x01\xfe", 3)},
        {platform::reg_type::kMultiString, std::string("one\0two\0\0", 9)},
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        machine.registry.SetValue(RegistryRoot::LocalMachine, std::string(kAcme) + "\\Sub",
                                  "v" + std::to_string(i), values[i]);
    }
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Tool", "tool.exe");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Other", "stays");
    FileFinding("Evil", "C:\\Tools\\tool.exe");
    FileFinding("Evil", "C:\\Tools\\Kit");
    CookieFinding("C:\\Users\\alice\\Cookies\\alice@ads[1].txt");
    RegistryFinding("Evil", kHklm, kAcme, "");
    RegistryFinding("Evil", kHkcu, "Software\\Run", "Tool");
    Delete();
    // The user removes the folder that the removal emptied.
    fs.Remove("C:\\Tools");
    ASSERT_FALSE(machine.registry.KeyExists(RegistryRoot::LocalMachine, kAcme));
    // The removal's own records, which the restore must leave as they are.
    const std::string removalLog = Log();

    OpenAndCheck();
    ASSERT_EQ(Listed().size(), 5u);
    Restore(true);

    EXPECT_TRUE(machine.dialogs.shown.empty()) << LastMessage();
    EXPECT_TRUE(Listed().empty());
    const fakes::FakeFileSystem::File* tool = fs.Find("C:\\Tools\\tool.exe");
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->content, std::string("MZ\0\x90\xff", 5));
    EXPECT_TRUE(tool->readOnly);
    EXPECT_EQ(Content("C:\\Tools\\Kit\\a.txt"), "a");
    ASSERT_NE(fs.Find("C:\\Tools\\Kit\\sub\\h.dat"), nullptr);
    EXPECT_EQ(fs.Find("C:\\Tools\\Kit\\sub\\h.dat")->content, "hidden");
    EXPECT_TRUE(fs.Find("C:\\Tools\\Kit\\sub\\h.dat")->hidden);
    const std::optional<platform::PathAttributes> kit = fs.Attributes("C:\\Tools\\Kit");
    const std::optional<platform::PathAttributes> sub = fs.Attributes("C:\\Tools\\Kit\\sub");
    ASSERT_TRUE(kit && sub);
    EXPECT_TRUE(kit->readOnly && kit->system && !kit->hidden);
    EXPECT_TRUE(sub->hidden && !sub->readOnly && !sub->system);
    EXPECT_EQ(Content("C:\\Users\\alice\\Cookies\\alice@ads[1].txt"), "cookie");
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<RegistryValue> back = machine.registry.Value(
            RegistryRoot::LocalMachine, std::string(kAcme) + "\\Sub", "v" + std::to_string(i));
        ASSERT_TRUE(back.has_value()) << i;
        EXPECT_EQ(back->type, values[i].type) << i;
        EXPECT_EQ(back->data, values[i].data) << i;
    }
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Run", "Tool"),
              "tool.exe");
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Run", "Other"),
              "stays");

    // Nothing of the items is left in the quarantine, in its index or folder.
    EXPECT_TRUE(LoadQuarantineEntries(fs, machine.textCodec, app->DataFolder).empty());
    for (const std::string& name : fs.ListFiles(DataFile("quarantine"))) {
        EXPECT_TRUE(name == "QuarantineLog.txt" || name == "QuarantineIndex.txt") << name;
    }
    EXPECT_FALSE(fs.DirectoryExists(Quarantined("Kit")));
    // The log keeps the removal's records and tells where each copy went.
    const std::string log = Log();
    EXPECT_TRUE(log.starts_with(removalLog));
    EXPECT_NE(log.find(" - Restored: tool.exe\r\n - To: C:\\Tools\\tool.exe\r\n"),
              std::string::npos);
    EXPECT_NE(log.find(" - To: HKEY_CURRENT_USER\\Software\\Run\\Tool\r\n"), std::string::npos);
    // Each under the name the scan gives it, so that the next scan passes it.
    const std::string exclusions = Exclusions();
    for (const char* name : {"C:\\Tools\\tool.exe\r\n", "C:\\Tools\\Kit\r\n",
                             "C:\\Users\\alice\\Cookies\\alice@ads[1].txt\r\n",
                             "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Acme\r\n",
                             "HKEY_CURRENT_USER\\Software\\RunTool\r\n"}) {
        EXPECT_NE(exclusions.find(name), std::string::npos) << name;
    }
    EXPECT_TRUE(app->exclusions.IsExcluded("HKEY_CURRENT_USER\\Software\\RunTool"));
}

// Nothing is written over: Yes puts the item beside what stands there, No
// leaves it in the quarantine, and a registry entry that is there already
// is kept and the user told. Unchecked, the offer adds no exclusion.
TEST_F(QuarantineRestore, WhatStandsInAnItsPlaceIsNeverWrittenOver) {
    fakes::FakeFileSystem& fs = machine.fileSystem;
    fs.AddFile("C:\\X\\evil.dat", "first");
    fs.AddFile("C:\\X\\skip.dat", "second");
    fs.AddFile("C:\\X\\Kit\\a.txt", "a");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Tool", "old");
    FileFinding("Evil", "C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\skip.dat");
    FileFinding("Evil", "C:\\X\\Kit");
    RegistryFinding("Evil", kHkcu, "Software\\Run", "Tool");
    Delete();
    fs.AddFile("C:\\X\\evil.dat", "new one");
    fs.AddFile("C:\\X\\evil (restored).dat", "taken as well");
    fs.AddFile("C:\\X\\skip.dat", "new two");
    fs.AddFile("C:\\X\\Kit\\b.txt", "b");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Tool", "new");

    OpenAndCheck();
    Restore(false, {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes});

    EXPECT_EQ(Content("C:\\X\\evil.dat"), "new one");
    EXPECT_EQ(Content("C:\\X\\evil (restored).dat"), "taken as well");
    EXPECT_EQ(Content("C:\\X\\evil (restored 2).dat"), "first");
    EXPECT_EQ(Content("C:\\X\\skip.dat"), "new two");
    EXPECT_EQ(Content("C:\\X\\Kit\\b.txt"), "b");
    EXPECT_EQ(fs.Find("C:\\X\\Kit\\a.txt"), nullptr) << "a folder is not merged into another";
    EXPECT_EQ(Content("C:\\X\\Kit (restored)\\a.txt"), "a");
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Run", "Tool"), "new");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"C:\\X\\skip.dat",
                                                  "HKEY_CURRENT_USER\\Software\\Run\\Tool"}));
    ASSERT_EQ(machine.dialogs.shown.size(), 4u) << "three places taken, then what was not done";
    EXPECT_EQ(machine.dialogs.shown[0].title, app->Message("MSG_RESTORE_CONFLICT3"));
    EXPECT_NE(machine.dialogs.shown[0].text.find("C:\\X\\evil.dat"), std::string::npos);
    EXPECT_EQ(LastMessage(), app->Message("MSG_RESTORE_NOT_DONE") +
                                 "\r\n\r\nHKEY_CURRENT_USER\\Software\\Run\\Tool\r\n" +
                                 app->Message("MSG_RESTORE_WHY_EXISTS"));
    EXPECT_EQ(Exclusions(), "");
}

// A registry entry that the registry calls written back but that is not
// there (a program guarding its key deletes it again) stays in the
// quarantine, and the user hears why.
TEST_F(QuarantineRestore, ARegistryEntryNotBackInItsPlaceStaysInTheQuarantine) {
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Tool", "old");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Other", "x");
    RegistryFinding("Evil", kHkcu, "Software\\Run", "Tool");
    Delete();
    machine.registry.LoseWrites(RegistryRoot::CurrentUser, "Software\\Run");
    const std::string before = Log();

    OpenAndCheck();
    Restore(false);

    EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Run", "Tool"));
    EXPECT_EQ(Listed(), std::vector<std::string>{"HKEY_CURRENT_USER\\Software\\Run\\Tool"});
    EXPECT_EQ(LastMessage(), app->Message("MSG_RESTORE_NOT_DONE") +
                                 "\r\n\r\nHKEY_CURRENT_USER\\Software\\Run\\Tool\r\n" +
                                 app->Message("MSG_RESTORE_WHY_NOT_BACK"));
    EXPECT_EQ(Log(), before) << "no record that it was restored";
}

// Items at the narrow API's longest paths, which the removal could take,
// come back: their copies on the way take no longer name than their own.
TEST_F(QuarantineRestore, ItemsAtTheLongestPathComeBack) {
    fakes::FakeFileSystem& fs = machine.fileSystem;
    fs.longestPath = 259;
    const std::string file = "C:\\" + std::string(247, 'f') + "\\evil.exe";
    const std::string single = "C:\\" + std::string(254, 's') + "\\a";
    const std::string folder = "C:\\" + std::string(242, 'd') + "\\Kit";
    const std::string inFolder = folder + "\\sub\\a.txt";
    ASSERT_EQ(file.size(), 259u);
    ASSERT_EQ(single.size(), 259u);
    ASSERT_EQ(inFolder.size(), 259u);
    fs.AddFile(file, "exe");
    fs.AddFile(single, "one");
    fs.AddFile(inFolder, "a");
    FileFinding("Evil", file);
    FileFinding("Evil", single);
    FileFinding("Evil", folder);
    Delete();
    ASSERT_EQ(fs.Find(file), nullptr);

    OpenAndCheck();
    Restore(false);

    EXPECT_EQ(Content(file), "exe");
    EXPECT_EQ(Content(single), "one");
    EXPECT_EQ(Content(inFolder), "a");
    EXPECT_TRUE(Listed().empty());
}

// A restore that cannot be trusted writes nothing anywhere: the item stays
// in the quarantine and the user is told why.
TEST_F(QuarantineRestore, ARefusedRestoreWritesNothingAndKeepsTheItem) {
    struct Case {
        const char* what;
        const char* below;  // the item's place below its case's folder
        // What happens after the removal, to the case's folder and its copy.
        std::function<void(fakes::FakeFileSystem&, const std::string&, const std::string&)> after;
        const char* reason;
    };
    const auto linkAt = [](const std::string& link) {
        return [link](fakes::FakeFileSystem& fs, const std::string& folder, const std::string&) {
            fs.Remove(folder + "\\Sub");
            fs.Remove(folder);
            fs.AddLink(folder + link, folder + "Elsewhere");
        };
    };
    const Case cases[] = {
        {"its saved copy changed", "evil.dat",
         [](fakes::FakeFileSystem& fs, const std::string&, const std::string& copy) {
             fs.Find(copy)->content = "not what was saved";
         },
         "MSG_RESTORE_WHY_CHANGED"},
        {"its saved copy gone", "evil.dat",
         [](fakes::FakeFileSystem& fs, const std::string&, const std::string& copy) {
             fs.Remove(copy);
         },
         "MSG_RESTORE_WHY_CHANGED"},
        {"a link now at its folder", "evil.dat", linkAt(""), "MSG_RESTORE_WHY_LINK"},
        {"a link now above its folder", "Sub\\evil.dat", linkAt(""), "MSG_RESTORE_WHY_LINK"},
        {"its folder refuses writes", "evil.dat",
         [](fakes::FakeFileSystem& fs, const std::string& folder, const std::string&) {
             fs.RefuseWritesUnder(folder);
         },
         "MSG_RESTORE_WHY_FAILED"},
        {"a program takes it again as it comes back", "evil.dat",
         [](fakes::FakeFileSystem& fs, const std::string& folder, const std::string&) {
             fs.afterFileMoved = [&fs, path = folder + "\\evil.dat"](std::string_view to) {
                 if (to == path) {
                     fs.Remove(path);
                 }
             };
         },
         "MSG_RESTORE_WHY_NOT_BACK"},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string folder = "C:\\Data" + std::to_string(++number);
        const std::string path = folder + "\\" + c.below;
        machine.fileSystem.AddFile(path, "evil");
        machine.fileSystem.AddDirectory(folder + "Elsewhere");
        Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->Clear();
        Main().lvwFilesToBeDeleted->Clear();
        FileFinding("Evil", path);
        Delete();
        ASSERT_EQ(machine.fileSystem.Find(path), nullptr);
        const std::vector<QuarantineEntry> entries =
            LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder);
        ASSERT_FALSE(entries.empty());
        const std::string copy = Quarantined(entries.back().storedName);
        c.after(machine.fileSystem, folder, copy);
        const std::string before = Log();
        const std::optional<std::string> kept = machine.fileSystem.ReadWholeFile(copy);

        OpenAndCheck({path});
        Restore(true);

        const std::vector<std::string> listed = Listed();
        EXPECT_NE(std::find(listed.begin(), listed.end(), path), listed.end());
        EXPECT_EQ(LastMessage(), app->Message("MSG_RESTORE_NOT_DONE") + "\r\n\r\n" + path + "\r\n" +
                                     app->Message(c.reason));
        EXPECT_TRUE(machine.fileSystem.ListEntries(folder + "Elsewhere")
                        .value_or(std::vector<platform::DirectoryEntry>{})
                        .empty())
            << "nothing written through the link";
        EXPECT_EQ(machine.fileSystem.Find(path), nullptr);
        EXPECT_EQ(Log(), before);
        EXPECT_EQ(Exclusions(), "");
        EXPECT_EQ(machine.fileSystem.ReadWholeFile(copy), kept) << "the copy stays as it was";
    }
}

TEST(RestorablePath, OnlyAPlainFullLocalPathIsWrittenTo) {
    for (const char* path : {"C:\\X\\evil.dat", "d:\\a b\\c.d.e", "C:\\Program Files\\Acme"}) {
        EXPECT_TRUE(IsRestorablePath(path)) << path;
    }
    for (const char* path : {"",
                             "evil.dat",
                             "X\\evil.dat",
                             "\\X\\evil.dat",
                             "C:evil.dat",
                             "C:\\",
                             "C:\\X\\..\\Y",
                             "C:\\X\\.\\evil.dat",
                             "C:\\X\\\\evil.dat",
                             "C:\\X\\evil.dat\\",
                             "\\\\server\\share\\x",
                             "\\\\?\\C:\\X\\evil.dat",
                             "\\\\.\\PhysicalDrive0",
                             "C:\\X\\evil.dat:stream",
                             "C:\\X\\NUL",
                             "C:\\X\\con.txt",
                             "C:\\X\\COM1",
                             "C:\\X\\evil.dat.",
                             "C:\\X\\evil.dat ",
                             "C:\\X\\ev*l.dat",
                             "C:\\X/evil.dat",
                             "1:\\X\\evil.dat"}) {
        EXPECT_FALSE(IsRestorablePath(path)) << path;
    }
}

TEST(BesideName, PutsTheWordsBeforeTheExtension) {
    EXPECT_EQ(BesideName("evil.dat", 1, false), "evil (restored).dat");
    EXPECT_EQ(BesideName("evil.dat", 2, false), "evil (restored 2).dat");
    EXPECT_EQ(BesideName("Kit.v2", 1, true), "Kit.v2 (restored)");
    EXPECT_EQ(BesideName(".profile", 1, false), ".profile (restored)");
}

// An item of a quarantine older than the index has no digest: it comes back
// as the folder holds it, checked on its way against that.
TEST_F(QuarantineRestore, AnItemOfAnOlderQuarantineComesBackFromItsLogRecord) {
    machine.fileSystem.AddFile(Quarantined("old.exe"), "old");
    ASSERT_TRUE(machine.fileSystem.AppendToFile(Quarantined("QuarantineLog.txt"),
                                                "1/2/2025 3:04:05 PM - File: old.exe\r\n"
                                                " - Location: C:\\Old\\old.exe\r\n\r\n\r\n"));
    OpenAndCheck();
    Restore(true);
    EXPECT_EQ(Content("C:\\Old\\old.exe"), "old");
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("old.exe")), nullptr);
}

// What the index lost is listed as what it is: a registry copy from its own
// file (its key, in the view it came from) and restorable; an older
// version's record of a store's rows is no file; of the records of one
// stored name the newest counts.
TEST_F(QuarantineRestore, WhatOnlyTheLogAndTheFolderKnowIsListedAsWhatItIs) {
    machine.Model64BitWindows();
    fakes::FakeFileSystem& fs = machine.fileSystem;
    machine.registry.SetString(RegistryRoot::LocalMachine, std::string(kAcme) + "\\Sub", "v", "x");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Tool", "tool.exe");
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Other", "stays");
    RegistryFinding("Evil", kHklm, kAcme, "");
    RegistryFinding("Evil", kHkcu, "Software\\Run", "Tool");
    Delete();
    ASSERT_TRUE(fs.RemoveFile(Quarantined("QuarantineIndex.txt")));
    fs.AddFile(Quarantined("cookies of tracker.com.sqlite"), "rows");
    fs.AddFile(Quarantined("evil.exe"), "second");
    ASSERT_TRUE(fs.AppendToFile(
        Quarantined("QuarantineLog.txt"),
        "1/2/2025 3:04:05 PM - File: cookies of tracker.com.sqlite\r\n - Location: "
        "C:\\Users\\alice\\Chrome\\Cookies (tracker.com)\r\n\r\n\r\n"
        "1/2/2025 3:04:05 PM - File: evil.exe\r\n - Location: C:\\First\\evil.exe\r\n\r\n\r\n"
        "1/2/2025 3:05:00 PM - Restored: evil.exe\r\n - To: C:\\First\\evil.exe\r\n\r\n\r\n"
        "1/3/2025 3:04:05 PM - File: evil.exe\r\n - Location: C:\\Second\\evil.exe\r\n\r\n\r\n"));

    OpenAndCheck();
    EXPECT_EQ(Listed(), (std::vector<std::string>{"C:\\Second\\evil.exe",
                                                  "HKEY_LOCAL_MACHINE\\" + std::string(kAcme),
                                                  "HKEY_CURRENT_USER\\Software\\Run\\Tool"}));
    Restore(false);

    EXPECT_TRUE(machine.dialogs.shown.empty()) << LastMessage();
    EXPECT_TRUE(Listed().empty());
    EXPECT_EQ(Content("C:\\Second\\evil.exe"), "second");
    EXPECT_EQ(Content("C:\\First\\evil.exe"), "(absent)");
    EXPECT_EQ(
        machine.registry.String(RegistryRoot::LocalMachine, std::string(kAcme) + "\\Sub", "v"),
        "x");
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, "Software\\Run", "Tool"),
              "tool.exe");
    EXPECT_EQ(Content(Quarantined("cookies of tracker.com.sqlite")), "rows");
}

// The program ends at a chosen change of the disk: that change and all after
// it never happen, as when the power goes or the process is ended.
class EndingFileSystem : public platform::FileSystem {
public:
    struct Ended {};

    explicit EndingFileSystem(platform::FileSystem& disk) : m_disk(disk) {}

    // Changes that still happen from now on; below 0 without end.
    void Allow(int count) {
        changesLeft = count;
        m_ended = false;
        changes = 0;
    }

    int changesLeft = -1;
    int changes = 0;  // made since Allow

    std::optional<std::string> FirstNormalFileName(std::string_view p) override {
        return m_disk.FirstNormalFileName(p);
    }
    bool DirectoryExists(std::string_view p) override { return m_disk.DirectoryExists(p); }
    std::optional<std::string> ReadWholeFile(std::string_view p) override {
        return m_disk.ReadWholeFile(p);
    }
    bool WriteWholeFile(std::string_view p, std::string_view c) override {
        return Change() && m_disk.WriteWholeFile(p, c);
    }
    bool AppendToFile(std::string_view p, std::string_view c) override {
        return Change() && m_disk.AppendToFile(p, c);
    }
    std::unique_ptr<platform::FileReader> OpenToRead(std::string_view p) override {
        return m_disk.OpenToRead(p);
    }
    std::unique_ptr<platform::FileWriter> CreateToWrite(std::string_view p) override {
        return Change() ? m_disk.CreateToWrite(p) : nullptr;
    }
    bool RemoveFile(std::string_view p) override { return Change() && m_disk.RemoveFile(p); }
    bool RenameFile(std::string_view f, std::string_view t) override {
        return Change() && m_disk.RenameFile(f, t);
    }
    bool MoveOver(std::string_view f, std::string_view t) override {
        return Change() && m_disk.MoveOver(f, t);
    }
    bool MakeDirectory(std::string_view p) override { return Change() && m_disk.MakeDirectory(p); }
    std::vector<platform::DriveInfo> ListDrives() override { return m_disk.ListDrives(); }
    std::vector<std::string> ListFiles(std::string_view p) override { return m_disk.ListFiles(p); }
    std::optional<std::uint64_t> FileSize(std::string_view p) override {
        return m_disk.FileSize(p);
    }
    std::optional<std::string> ReadFileRange(std::string_view p, std::uint64_t o,
                                             std::size_t l) override {
        return m_disk.ReadFileRange(p, o, l);
    }
    std::optional<std::vector<platform::DirectoryEntry>> ListEntries(std::string_view p) override {
        return m_disk.ListEntries(p);
    }
    std::optional<platform::PathAttributes> Attributes(std::string_view p) override {
        return m_disk.Attributes(p);
    }
    platform::WriteAccess WhoMayWrite(std::string_view p) override { return m_disk.WhoMayWrite(p); }
    bool CopyFileTo(std::string_view f, std::string_view t) override {
        return Change() && m_disk.CopyFileTo(f, t);
    }
    bool RemoveFolder(std::string_view p) override { return Change() && m_disk.RemoveFolder(p); }
    bool SetFolderAttributes(std::string_view p, bool r, bool h, bool s) override {
        return Change() && m_disk.SetFolderAttributes(p, r, h, s);
    }

private:
    // False for a change asked for after the end (a destructor's clean-up
    // while the end unwinds): it does not happen either.
    bool Change() {
        if (m_ended) {
            return false;
        }
        if (changesLeft == 0) {
            m_ended = true;
            throw Ended{};
        }
        --changesLeft;
        ++changes;
        return true;
    }

    bool m_ended = false;

    platform::FileSystem& m_disk;
};

TEST_F(QuarantineRestore, ARestoreEndedAtAnyMomentLosesNoItem) {
    constexpr int kRounds = 40;
    constexpr unsigned kSeed = 20261209;
    fakes::FakeFileSystem& fs = machine.fileSystem;
    const std::map<std::string, std::string> files = {
        {"C:\\X\\one.dat", std::string(200000, 'o')},
        {"C:\\X\\Deep\\two.dat", "two"},
        {"C:\\X\\Kit\\a.txt", "a"},
        {"C:\\X\\Kit\\sub\\b.txt", std::string(70000, 'b')},
    };
    for (const auto& [path, content] : files) {
        fs.AddFile(path, content);
    }
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Tool", "tool.exe");
    FileFinding("Evil", "C:\\X\\one.dat");
    FileFinding("Evil", "C:\\X\\Deep\\two.dat");
    FileFinding("Evil", "C:\\X\\Kit");
    RegistryFinding("Evil", kHkcu, "Software\\Run", "Tool");
    Delete();
    fs.Remove("C:\\X\\Deep");
    ASSERT_EQ(LoadQuarantineEntries(fs, machine.textCodec, app->DataFolder).size(), 4u);
    const fakes::FakeFileSystem removedDisk = fs;
    const fakes::FakeRegistry removedRegistry = machine.registry;

    // Every item, by where it goes: in its place whole, or in the quarantine
    // with its saved content intact.
    const auto inPlace = [&](const QuarantineEntry& entry) {
        if (entry.kind == QuarantineKind::RegistryValue) {
            return machine.registry.String(RegistryRoot::CurrentUser, "Software\\Run", "Tool") ==
                   std::optional<std::string>("tool.exe");
        }
        for (const auto& [path, content] : files) {
            if (path.starts_with(entry.location) && Content(path) != content) {
                return false;
            }
        }
        return true;
    };
    const auto inQuarantine = [&](const QuarantineEntry& entry) {
        for (const QuarantineEntry& kept :
             LoadQuarantineEntries(fs, machine.textCodec, app->DataFolder)) {
            if (kept.storedName == entry.storedName) {
                return VerifySavedContent(fs, machine.hashing, app->DataFolder, kept);
            }
        }
        return false;
    };
    const std::vector<QuarantineEntry> entries =
        LoadQuarantineEntries(fs, machine.textCodec, app->DataFolder);

    EndingFileSystem disk(fs);
    platform::Platform ports = machine.ports;
    platform::Platform ending{ports.registry,
                              ports.shellFolders,
                              disk,
                              ports.programFile,
                              ports.osVersion,
                              ports.shell,
                              ports.dialogs,
                              ports.clock,
                              ports.eventLoop,
                              ports.textCodec,
                              ports.notifyIcon,
                              ports.processes,
                              ports.clipboard,
                              ports.systemRestore,
                              ports.http,
                              ports.desktop,
                              ports.management,
                              ports.localeFormats,
                              ports.signatureVerifier,
                              ports.deviceManagement,
                              ports.hashing,
                              ports.fileOrigin,
                              ports.environment,
                              ports.services,
                              ports.scheduledTasks,
                              ports.elevation};
    const auto restoreAll = [&](int changesLeft) {
        core::Application restoring(ending);
        app::AttachProgram(restoring);
        restoring.DataFolder = app->DataFolder;
        disk.Allow(changesLeft);
        bool ended = false;
        try {
            for (const QuarantineEntry& entry : entries) {
                [[maybe_unused]] const RestoreResult result =
                    RestoreQuarantined(restoring, entry, RestorePlace::Original);
            }
        } catch (const EndingFileSystem::Ended&) {
            ended = true;
        }
        const int made = disk.changes;
        disk.Allow(-1);
        disk.changes = made;
        return ended;
    };
    ASSERT_FALSE(restoreAll(-1));
    const int whole = disk.changes;
    for (const QuarantineEntry& entry : entries) {
        EXPECT_TRUE(inPlace(entry) && !inQuarantine(entry)) << entry.location;
    }

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int> moment(0, whole - 1);
    for (int round = 1; round <= kRounds; ++round) {
        fs = removedDisk;
        machine.registry = removedRegistry;
        const int cut = moment(random);
        ASSERT_TRUE(restoreAll(cut)) << "round " << round;
        for (const QuarantineEntry& entry : entries) {
            EXPECT_TRUE(inPlace(entry) || inQuarantine(entry))
                << "round " << round << ", ended after " << cut << " changes: " << entry.location;
        }
        // Restored again, everything comes back, and no copy that was on its
        // way is left behind or taken for the item.
        ASSERT_FALSE(restoreAll(-1));
        for (const QuarantineEntry& entry : entries) {
            EXPECT_TRUE(inPlace(entry)) << "round " << round << ": " << entry.location;
        }
        for (const std::string folder : {"C:\\X", "C:\\X\\Deep"}) {
            for (const platform::DirectoryEntry& e :
                 fs.ListEntries(folder).value_or(std::vector<platform::DirectoryEntry>{})) {
                EXPECT_EQ(e.name.find(".restoring"), std::string::npos)
                    << "round " << round << ": " << folder << "\\" << e.name;
            }
        }
    }
    std::printf("A whole restore made %d changes; %d rounds were ended within it.\n", whole,
                kRounds);
}

}  // namespace
}  // namespace removal

// Backing items up into the quarantine and deleting them, as the removal
// drives it: what is copied, under which name, what is recorded, and what is
// never deleted.

#include "base/utf16_text.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_index.h"
#include "removal/registry_copy.h"
#include "removal/removal_fixture.h"
#include "removal/saved_content.h"
#include "scan/registry_views.h"

namespace removal {
namespace {

class Quarantine : public testing::RemovalFixture {
protected:
    static platform::RegistryValue Value(std::uint32_t type, std::string data) {
        return {type, std::move(data)};
    }

    ImportResult Import(std::string_view storedName, std::string_view keyName,
                        std::optional<std::string_view> valueName) {
        const std::string content =
            machine.fileSystem.ReadWholeFile(Quarantined(storedName)).value_or("");
        return ImportRegFile(machine.registry, machine.textCodec, content, keyName, valueName,
                             scan::LiteralView(machine.registry));
    }

    std::vector<QuarantineEntry> Index() {
        return LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder);
    }
};

// Every type regedit knows, and the texts that its quoting must carry: each
// goes into a registration file before it is deleted, and comes back from
// it with its type and its bytes.
TEST_F(Quarantine, RegistryEntriesAreSavedAsRegeditFilesThatPutThemBackExactly) {
    using platform::RegistryRoot;
    namespace type = platform::reg_type;
    std::string binary;
    for (int i = 0; i < 300; ++i) {
        binary.push_back(static_cast<char>(i));
    }
    const std::vector<std::pair<std::string, platform::RegistryValue>> values = {
        {"", Value(type::kString, std::string("default\0", 8))},
        {"quote\"and\\back", Value(type::kString, std::string("C:\\a \"b\" \\\0", 12))},
        {"empty", Value(type::kString, std::string(1, '\0'))},
        {"no terminator", Value(type::kString, "abc")},
        {"two lines", Value(type::kString, std::string("a\r\nb\0", 5))},
        {"expand", Value(type::kExpandString, std::string("%SystemRoot%\\x.exe\0", 19))},
        {"multi", Value(type::kMultiString, std::string("one\0two\0\0", 9))},
        {"binary", Value(type::kBinary, binary)},
        {"dword", Value(type::kDword, std::string("\x78\x56\x34\x12", 4))},
        {"qword", Value(type::kQword, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8))},
        {"unusual", Value(0x1234, std::string("\x00\xff", 2))},
        {"none", Value(type::kNone, "")},
        {"a=b]c", Value(type::kString, std::string("x\0", 2))},
        {"caf\xe9", Value(type::kString, std::string("\xe0 la carte\0", 11))},
    };
    const std::string key = "Software\\Evil";
    for (const auto& [name, value] : values) {
        machine.registry.SetValue(RegistryRoot::CurrentUser, key, name, value);
    }
    machine.registry.SetValue(RegistryRoot::CurrentUser, key + "\\Sub\\Deeper", "X",
                              Value(type::kDword, std::string("\0\0\0\1", 4)));
    machine.registry.SetString(RegistryRoot::CurrentUser, key + "\\Empty]Key", "", "");
    machine.registry.SetValue(RegistryRoot::CurrentUser, "Software\\Run", "Evil",
                              Value(type::kExpandString, std::string("%TEMP%\\e.exe\0", 13)));
    machine.registry.SetString(RegistryRoot::CurrentUser, "Software\\Run", "Keep", "mine");
    RegistryFinding("Evil", "-2147483647", key, "");
    RegistryFinding("Evil", "-2147483647", "Software\\Run", "Evil");
    Delete();

    ASSERT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, key));
    ASSERT_FALSE(machine.registry.Value(RegistryRoot::CurrentUser, "Software\\Run", "Evil"));
    const std::string file = machine.fileSystem.ReadWholeFile(Quarantined("Evil.reg")).value_or("");
    EXPECT_TRUE(file.starts_with("\xFF\xFE" +
                                 base::Utf8ToUtf16Le("Windows Registry Editor Version 5.00\r\n")))
        << "regedit imports only what starts with its mark and its header";
    EXPECT_NE(file.find(base::Utf8ToUtf16Le("\"dword\"=dword:12345678\r\n")), std::string::npos);
    const std::vector<QuarantineEntry> index = Index();
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index[0].kind, QuarantineKind::RegistryKey);
    EXPECT_EQ(index[0].location, "HKEY_CURRENT_USER\\Software\\Evil");
    EXPECT_EQ(index[0].storedName, "Evil.reg");
    EXPECT_EQ(index[0].threat, "Evil");
    EXPECT_EQ(index[1].kind, QuarantineKind::RegistryValue);
    EXPECT_EQ(index[1].valueName, "Evil");
    EXPECT_EQ(index[1].storedName, "Run - Evil.reg");
    EXPECT_TRUE(VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder, index[0]));

    EXPECT_EQ(Import("Run - Evil.reg", "HKEY_CURRENT_USER\\Software\\Run", "Evil"),
              ImportResult::Imported);
    EXPECT_EQ(Import("Evil.reg", "HKEY_CURRENT_USER\\Software\\Evil", std::nullopt),
              ImportResult::Imported);
    for (const auto& [name, value] : values) {
        const std::optional<platform::RegistryValue> back =
            machine.registry.Value(RegistryRoot::CurrentUser, key, name);
        ASSERT_TRUE(back) << name;
        EXPECT_EQ(back->type, value.type) << name;
        EXPECT_EQ(back->data, value.data) << name;
    }
    EXPECT_EQ(machine.registry.Value(RegistryRoot::CurrentUser, key + "\\Sub\\Deeper", "X")->data,
              std::string("\0\0\0\1", 4));
    EXPECT_TRUE(machine.registry.KeyExists(RegistryRoot::CurrentUser, key + "\\Empty]Key"));
    EXPECT_EQ(machine.registry.Value(RegistryRoot::CurrentUser, "Software\\Run", "Evil")->data,
              std::string("%TEMP%\\e.exe\0", 13));
    EXPECT_EQ(Import("Evil.reg", "HKEY_CURRENT_USER\\Software\\Evil", std::nullopt),
              ImportResult::AlreadyThere)
        << "a restore never writes over what stands there";
}

// A UTF-8 program holds a name with a lone surrogate (a hiding trick that
// Windows allows) in its three-byte form; the file carries it as its unit,
// as regedit does, and the copy brings it back exactly.
TEST_F(Quarantine, ANameWithALoneSurrogateIsSavedAndComesBackExactly) {
    using platform::RegistryRoot;
    machine.textCodec.utf8Program = true;
    const std::string lone = "run\xED\xA0\x80";
    const std::string key = "Software\\Hidden";
    machine.registry.SetString(RegistryRoot::CurrentUser, key, lone, "evil" + lone);
    machine.registry.SetString(RegistryRoot::CurrentUser, key + "\\" + lone, "x", "y");
    RegistryFinding("Hidden", "-2147483647", key, "");
    Delete();

    ASSERT_TRUE(Problems().empty());
    ASSERT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, key));
    const std::string file =
        machine.fileSystem.ReadWholeFile(Quarantined("Hidden.reg")).value_or("");
    EXPECT_NE(file.find(base::Utf8ToUtf16Le("\"run") + std::string("\x00\xD8", 2)),
              std::string::npos);
    EXPECT_EQ(Import("Hidden.reg", "HKEY_CURRENT_USER\\" + key, std::nullopt),
              ImportResult::Imported);
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key, lone), "evil" + lone);
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key + "\\" + lone, "x"), "y");
}

// A key's tree that cannot be wholly deleted loses nothing: what went comes
// back, the key with its default value stays listed, and the quarantine
// holds no copy of a removal that did not happen.
TEST_F(Quarantine, AKeyWhoseTreeCannotBeWhollyDeletedIsPutBackAndListed) {
    using platform::RegistryRoot;
    const std::string key = "Software\\Evil";
    machine.registry.SetString(RegistryRoot::CurrentUser, key, "", "default");
    machine.registry.SetString(RegistryRoot::CurrentUser, key + "\\A", "V", "a");
    machine.registry.SetString(RegistryRoot::CurrentUser, key + "\\B\\Deep", "W", "b");
    machine.registry.RefuseDeletion(RegistryRoot::CurrentUser, key + "\\A");
    RegistryFinding("Evil", "-2147483647", key, "");
    Delete();

    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key, ""), "default");
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key + "\\A", "V"), "a");
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key + "\\B\\Deep", "W"), "b");
    EXPECT_EQ(Problems(), std::vector<std::string>{"HKEY_CURRENT_USER\\Software\\Evil"});
    EXPECT_EQ(Log(), FailedRecord("HKEY_CURRENT_USER\\Software\\Evil"))
        << "no record claims that the kept key went";
    EXPECT_TRUE(Index().empty());
    EXPECT_FALSE(Exists(Quarantined("Evil.reg")));
}

// A value or key whose deletion is refused, or that the registry calls
// deleted while it stays (a program guarding it puts it back), is still
// there: no record claims that it went, the row is listed, the log says the
// deletion failed, and the quarantine keeps no copy of it.
TEST_F(Quarantine, ARegistryEntryThatStaysIsListedAndNotRecordedAsGone) {
    using platform::RegistryRoot;
    const std::string key = "Software\\Evil";
    machine.registry.SetString(RegistryRoot::CurrentUser, key, "Run", "evil.exe");
    machine.registry.DenyAccess(RegistryRoot::CurrentUser, key, platform::reg_access::kSetValue);
    RegistryFinding("Evil", "-2147483647", key, "Run");
    machine.registry.SetString(RegistryRoot::LocalMachine, "Software\\Guarded", "Run", "g.exe");
    machine.registry.SetString(RegistryRoot::LocalMachine, "Software\\Kept\\Sub", "", "");
    machine.registry.KeepDeleted(RegistryRoot::LocalMachine, "Software\\Guarded");
    machine.registry.KeepDeleted(RegistryRoot::LocalMachine, "Software\\Kept\\Sub");
    RegistryFinding("Guarded", "-2147483646", "Software\\Guarded", "Run");
    RegistryFinding("Kept", "-2147483646", "Software\\Kept", "");
    Delete();

    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key, "Run"), "evil.exe");
    const std::vector<std::string> left{"HKEY_CURRENT_USER\\Software\\Evil\\Run",
                                        "HKEY_LOCAL_MACHINE\\Software\\Guarded\\Run",
                                        "HKEY_LOCAL_MACHINE\\Software\\Kept"};
    EXPECT_EQ(Problems(), left);
    EXPECT_EQ(Log(), FailedRecord(left[0]) + FailedRecord(left[1]) + FailedRecord(left[2]));
    EXPECT_TRUE(Index().empty());
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 3);
    EXPECT_EQ(Removal().ItemCount(), 3);
}

// A restore cut short leaves part of a key: the next restore completes it.
// A key that holds anything the copy does not is never added to.
TEST_F(Quarantine, AKeyHoldingPartOfItsCopyIsCompletedAndNoOtherIsMergedInto) {
    using platform::RegistryRoot;
    const std::string key = "Software\\Evil";
    const std::string keyName = "HKEY_CURRENT_USER\\" + key;
    machine.registry.SetString(RegistryRoot::CurrentUser, key, "", "default");
    machine.registry.SetString(RegistryRoot::CurrentUser, key, "Run", "evil.exe");
    machine.registry.SetString(RegistryRoot::CurrentUser, key + "\\Sub", "X", "x");
    RegistryFinding("Evil", "-2147483647", key, "");
    Delete();
    ASSERT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, key));

    machine.registry.SetString(RegistryRoot::CurrentUser, key, "", "default");
    EXPECT_EQ(Import("Evil.reg", keyName, std::nullopt), ImportResult::Imported);
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key, "Run"), "evil.exe");
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key + "\\Sub", "X"), "x");

    for (const auto& [name, text] :
         std::vector<std::pair<std::string, std::string>>{{"", "changed"}, {"Other", "mine"}}) {
        ASSERT_EQ(machine.registry.DeleteTree(RegistryRoot::CurrentUser, key), 0);
        machine.registry.SetString(RegistryRoot::CurrentUser, key, name, text);
        EXPECT_EQ(Import("Evil.reg", keyName, std::nullopt), ImportResult::AlreadyThere) << name;
        EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, key, "Run")) << name;
    }
}

// A saved file that names keys outside its entry, or deletes, is no copy of
// the entry: nothing of it is written.
TEST_F(Quarantine, ARegistryCopyThatReachesOutsideItsEntryIsRefusedWhole) {
    using platform::RegistryRoot;
    const auto regFile = [](const std::string& body) {
        return "\xFF\xFE" +
               base::Utf8ToUtf16Le("Windows Registry Editor Version 5.00\r\n\r\n" + body);
    };
    const struct {
        std::string body;
        std::optional<std::string_view> value;
    } cases[] = {
        {"[HKEY_CURRENT_USER\\Software\\Evil]\r\n\"a\"=\"1\"\r\n"
         "[HKEY_CURRENT_USER\\Software\\EvilTwin]\r\n\"b\"=\"2\"\r\n",
         std::nullopt},
        {"[HKEY_LOCAL_MACHINE\\Software\\Evil]\r\n\"a\"=\"1\"\r\n", std::nullopt},
        {"[HKEY_CURRENT_USER\\Software\\Evil]\r\n\"a\"=\"1\"\r\n"
         "[-HKEY_CURRENT_USER\\Software\\Other]\r\n",
         std::nullopt},
        {"[HKEY_CURRENT_USER\\Software\\Evil]\r\n\"a\"=\"1\"\r\n\"b\"=\"2\"\r\n", "a"},
        {"[HKEY_CURRENT_USER\\Software\\Evil\\Sub]\r\n\"a\"=\"1\"\r\n", "a"},
        {"[HKEY_CURRENT_USER\\Software\\Evil]\r\n\"a\"=hex:0g\r\n", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImportRegFile(machine.registry, machine.textCodec, regFile(c.body),
                                "HKEY_CURRENT_USER\\Software\\Evil", c.value,
                                scan::LiteralView(machine.registry)),
                  ImportResult::Refused)
            << c.body;
        EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Evil"));
        EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\EvilTwin"));
        EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::LocalMachine, "Software\\Evil"));
    }
    // regedit's own wrapping of long data is read.
    EXPECT_EQ(ImportRegFile(machine.registry, machine.textCodec,
                            regFile("[HKEY_CURRENT_USER\\Software\\Evil]\r\n"
                                    "\"a\"=hex:01,02,\\\r\n  03,04\r\n"),
                            "HKEY_CURRENT_USER\\Software\\Evil", std::nullopt,
                            scan::LiteralView(machine.registry)),
              ImportResult::Imported);
    EXPECT_EQ(machine.registry.Value(RegistryRoot::CurrentUser, "Software\\Evil", "a")->data,
              "\x01\x02\x03\x04");
}

TEST_F(Quarantine, ALibraryIsUnregisteredOutOfProcessCopiedDeletedAndLoggedOnceOverBothPasses) {
    machine.fileSystem.AddFile("C:\\X\\EVIL.DLL", "MZ library");
    FileFinding("Evil", "C:\\X\\EVIL.DLL");
    Delete();

    EXPECT_FALSE(Exists("C:\\X\\EVIL.DLL"));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("EVIL.DLL"))->content, "MZ library");
    EXPECT_EQ(Log(), FileRecord("EVIL.DLL", "C:\\X\\EVIL.DLL"));
    ASSERT_EQ(machine.processes.runs.size(), 1u) << "unregistered once, in a process of its own";
    EXPECT_EQ(machine.processes.runs[0].program, "C:\\Windows\\system32\\regsvr32.exe");
    EXPECT_EQ(machine.processes.runs[0].commandLine,
              "\"C:\\Windows\\system32\\regsvr32.exe\" /u /s \"C:\\X\\EVIL.DLL\"");
    EXPECT_GT(machine.processes.runs[0].timeout.count(), 0);
    EXPECT_TRUE(Problems().empty());
    EXPECT_EQ(Removal().ItemCount(), 0);
    EXPECT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 0);
}

TEST_F(Quarantine, ItemsOfOneNameAreKeptSideBySideEachWithItsOwnRecord) {
    machine.fileSystem.AddFile("C:\\A\\EVIL.EXE", "first");
    machine.fileSystem.AddFile("D:\\B\\EVIL.EXE", "second");
    machine.fileSystem.AddFile("C:\\A\\notes", "no extension");
    machine.fileSystem.AddFile("D:\\B\\notes", "no extension either");
    machine.fileSystem.AddFile(Quarantined("EVIL (2).EXE"), "from an earlier removal");
    FileFinding("Evil", "C:\\A\\EVIL.EXE");
    FileFinding("Evil", "D:\\B\\EVIL.EXE");
    FileFinding("Evil", "C:\\A\\notes");
    FileFinding("Evil", "D:\\B\\notes");
    Delete();

    EXPECT_EQ(machine.fileSystem.Find(Quarantined("EVIL.EXE"))->content, "first");
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("EVIL (2).EXE"))->content,
              "from an earlier removal");
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("EVIL (3).EXE"))->content, "second");
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("notes (2)"))->content, "no extension either");
    EXPECT_EQ(Log(), FileRecord("EVIL.EXE", "C:\\A\\EVIL.EXE") +
                         FileRecord("EVIL (3).EXE", "D:\\B\\EVIL.EXE") +
                         FileRecord("notes", "C:\\A\\notes") +
                         FileRecord("notes (2)", "D:\\B\\notes"));
    EXPECT_FALSE(Exists("C:\\A\\EVIL.EXE"));
    EXPECT_FALSE(Exists("D:\\B\\EVIL.EXE"));
}

TEST_F(Quarantine, NothingIsDeletedWithoutACompleteCopy) {
    machine.fileSystem.AddFile("C:\\X\\evil.exe", "exe");
    machine.fileSystem.AddFile("C:\\X\\evil.dll", "dll");
    machine.fileSystem.AddFile("C:\\X\\evil.dat", "data");
    machine.fileSystem.AddFile("C:\\X\\Folder\\a.txt", "a");
    machine.fileSystem.AddFile("C:\\X\\Folder\\b.txt", "b").unreadable = true;
    const std::string cookie = "C:\\Cookies\\alice@tracker[1].txt";
    machine.fileSystem.AddFile(cookie, "tracker");
    FileFinding("Evil", "C:\\X\\evil.exe");
    FileFinding("Evil", "C:\\X\\evil.dll");
    FileFinding("Evil", "C:\\X\\evil.dat");
    FileFinding("Evil", "C:\\X\\Folder");
    CookieFinding(cookie);
    machine.fileSystem.copiesLeft = 0;
    Delete();

    for (const char* path :
         {"C:\\X\\evil.exe", "C:\\X\\evil.dll", "C:\\X\\evil.dat", "C:\\X\\Folder\\a.txt"}) {
        EXPECT_TRUE(Exists(path)) << path;
    }
    EXPECT_TRUE(Exists(cookie));
    EXPECT_EQ(Problems(), (std::vector<std::string>{"C:\\X\\evil.exe", "C:\\X\\evil.dll",
                                                    "C:\\X\\evil.dat", "C:\\X\\Folder", cookie}));
    EXPECT_EQ(Log(), FailedRecord("C:\\X\\evil.exe") + FailedRecord("C:\\X\\evil.dll") +
                         FailedRecord("C:\\X\\evil.dat") + FailedRecord("C:\\X\\Folder") +
                         FailedRecord(cookie))
        << "no copy, no record of one";
    EXPECT_FALSE(machine.fileSystem.DirectoryExists(Quarantined("Folder")))
        << "a partial folder copy is no backup and is not left behind";
    EXPECT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 4);
    EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), 1);
    EXPECT_TRUE(app->frmDelete.Visible());
}

// A file still in its place after the removal, whether its deletion was
// refused or called done while it stayed, keeps no copy that the quarantine
// would offer to restore, and the log says so.
TEST_F(Quarantine, ALockedExecutableIsCopiedOnceAndListedOnceWithBothRowsUnchecked) {
    machine.fileSystem.AddFile("C:\\X\\locked.exe", "exe").locked = true;
    machine.fileSystem.AddFile("C:\\X\\gone.exe", "exe");
    machine.fileSystem.AddFile("C:\\X\\guarded.dat", "dat").deletionKept = true;
    FileFinding("Locked", "C:\\X\\locked.exe");
    FileFinding("Gone", "C:\\X\\gone.exe");
    FileFinding("Guarded", "C:\\X\\guarded.dat");
    Delete();

    EXPECT_EQ(Problems(), (std::vector<std::string>{"C:\\X\\locked.exe", "C:\\X\\guarded.dat"}));
    EXPECT_EQ(Log(), FileRecord("locked.exe", "C:\\X\\locked.exe") +
                         FileRecord("gone.exe", "C:\\X\\gone.exe") +
                         FileRecord("guarded.dat", "C:\\X\\guarded.dat") +
                         FailedRecord("C:\\X\\locked.exe") + FailedRecord("C:\\X\\guarded.dat"))
        << "one record for the one copy, however often the delete is tried";
    ASSERT_EQ(Index().size(), 1u);
    EXPECT_EQ(Index()[0].storedName, "gone.exe");
    EXPECT_FALSE(Exists(Quarantined("locked.exe")));
    EXPECT_FALSE(Exists(Quarantined("guarded.dat")));
    EXPECT_EQ(ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder).size(), 1u)
        << "the log's records of the copies list nothing either";
    ASSERT_EQ(Removal().ItemCount(), 2);
    EXPECT_EQ(Removal().Item(0).text, "Locked");
    EXPECT_FALSE(Removal().Item(0).checked);
    ASSERT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 2);
    EXPECT_FALSE(Main().lvwFilesToBeDeleted->Item(0).checked);
    EXPECT_TRUE(app->frmDelete.Visible());
}

TEST_F(Quarantine, AFileCopiedOnlyInTheSecondPassHasItsRecord) {
    machine.fileSystem.AddFile("C:\\X\\held.exe", "exe").unreadable = true;
    FileFinding("Held", "C:\\X\\held.exe");
    bool firstPassSeen = false;
    machine.eventLoop.onYield = [&] {
        firstPassSeen = firstPassSeen || app->removal.QuarantineLogging;
        if (firstPassSeen && !app->removal.QuarantineLogging) {
            // The other program lets go of it. Looked up anew: the file
            // may be gone, and a reference to it would dangle.
            if (fakes::FakeFileSystem::File* held = machine.fileSystem.Find("C:\\X\\held.exe")) {
                held->unreadable = false;
            }
        }
    };
    Delete();
    machine.eventLoop.onYield = nullptr;

    EXPECT_FALSE(Exists("C:\\X\\held.exe"));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("held.exe"))->content, "exe");
    EXPECT_EQ(Log(), FileRecord("held.exe", "C:\\X\\held.exe"));
}

TEST_F(Quarantine, OnlyTheProcessesStartedFromTheFileAreStopped) {
    machine.fileSystem.AddFile("C:\\Users\\alice\\svchost.exe", "threat");
    machine.processes.Add(10, "C:\\Windows\\system32\\svchost.exe");
    machine.processes.Add(20, "C:\\Users\\alice\\svchost.exe");
    FileFinding("Impostor", "C:\\Users\\alice\\svchost.exe");
    Delete();

    EXPECT_TRUE(machine.processes.Find(10)->running);
    EXPECT_FALSE(machine.processes.Find(20)->running);
    EXPECT_FALSE(Exists("C:\\Users\\alice\\svchost.exe"));
}

TEST_F(Quarantine, AnExecutableWhoseProcessKeepsRunningIsLeftAlone) {
    machine.fileSystem.AddFile("C:\\X\\stubborn.exe", "exe");
    machine.processes.Add(30, "C:\\X\\stubborn.exe").refusesToEnd = true;
    FileFinding("Stubborn", "C:\\X\\stubborn.exe");
    Delete();

    EXPECT_TRUE(Exists("C:\\X\\stubborn.exe"));
    EXPECT_FALSE(Exists(Quarantined("stubborn.exe")));
    EXPECT_EQ(Problems(), std::vector<std::string>{"C:\\X\\stubborn.exe"});
}

TEST_F(Quarantine, AFolderIsCopiedWholeAndDeletedAndASecondOfItsNameIsRecorded) {
    machine.fileSystem.AddFile("C:\\A\\Evil\\run.ini", "ini");
    machine.fileSystem.AddFile("C:\\A\\Evil\\sub\\hidden.bin", "bin").hidden = true;
    machine.fileSystem.AddFile("C:\\A\\Evil\\sub\\ro.txt", "ro").readOnly = true;
    machine.fileSystem.AddFile("C:\\B\\Evil\\other.ini", "other");
    FileFinding("Evil", "C:\\A\\Evil\\");
    FileFinding("Evil", "C:\\B\\Evil");
    Delete();

    EXPECT_FALSE(machine.fileSystem.DirectoryExists("C:\\A\\Evil"));
    EXPECT_FALSE(machine.fileSystem.DirectoryExists("C:\\B\\Evil"));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("Evil\\run.ini"))->content, "ini");
    EXPECT_TRUE(machine.fileSystem.Find(Quarantined("Evil\\sub\\hidden.bin"))->hidden);
    EXPECT_TRUE(Exists(Quarantined("Evil\\sub\\ro.txt")));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("Evil (2)\\other.ini"))->content, "other");
    EXPECT_EQ(Log(), FileRecord("Evil", "C:\\A\\Evil\\") + FileRecord("Evil (2)", "C:\\B\\Evil"))
        << "every copy says where it came from";
    EXPECT_TRUE(Problems().empty());
}

TEST_F(Quarantine, LinksAreRemovedAsLinksAndNeverFollowed) {
    machine.fileSystem.AddFile("C:\\Users\\alice\\Documents\\thesis.doc", "years of work");
    machine.fileSystem.AddFile("C:\\Evil\\payload.bin", "payload");
    machine.fileSystem.AddLink("C:\\Evil\\docs", "C:\\Users\\alice\\Documents");
    machine.fileSystem.AddLink("C:\\Evil2", "C:\\Users\\alice\\Documents");
    machine.fileSystem.AddLink("C:\\Jump", "C:\\Users\\alice\\Documents");
    FileFinding("Evil", "C:\\Evil");
    FileFinding("Evil", "C:\\Evil2");
    FileFinding("Evil", "C:\\Jump\\thesis.doc");
    // A library and a program of the user's, reached through the link: not
    // unregistered, not stopped.
    machine.fileSystem.AddFile("C:\\Users\\alice\\Documents\\tool.dll", "dll");
    machine.fileSystem.AddFile("C:\\Users\\alice\\Documents\\tool.exe", "exe");
    machine.processes.Add(40, "C:\\Jump\\tool.exe");
    FileFinding("Evil", "C:\\Jump\\tool.dll");
    FileFinding("Evil", "C:\\Jump\\tool.exe");
    Delete();

    EXPECT_EQ(machine.fileSystem.Find("C:\\Users\\alice\\Documents\\thesis.doc")->content,
              "years of work");
    EXPECT_FALSE(machine.fileSystem.DirectoryExists("C:\\Evil"));
    EXPECT_FALSE(machine.fileSystem.HasLink("C:\\Evil2"));
    EXPECT_TRUE(Exists(Quarantined("Evil\\payload.bin")));
    EXPECT_FALSE(Exists(Quarantined("Evil\\docs\\thesis.doc")));
    EXPECT_FALSE(Exists(Quarantined("thesis.doc")));
    EXPECT_EQ(Problems(), (std::vector<std::string>{"C:\\Jump\\thesis.doc", "C:\\Jump\\tool.dll",
                                                    "C:\\Jump\\tool.exe"}))
        << "a path through a link is not deleted through it";
    EXPECT_TRUE(machine.processes.runs.empty()) << "nothing unregistered";
    EXPECT_TRUE(machine.processes.Find(40)->running);
    EXPECT_TRUE(Exists("C:\\Users\\alice\\Documents\\tool.dll"));
    EXPECT_TRUE(Exists("C:\\Users\\alice\\Documents\\tool.exe"));
}

TEST_F(Quarantine, AHiddenFileIsNeitherCopiedNorDeleted) {
    machine.fileSystem.AddFile("C:\\X\\hidden.dat", "h").hidden = true;
    FileFinding("Hidden", "C:\\X\\hidden.dat");
    Delete();

    EXPECT_TRUE(Exists("C:\\X\\hidden.dat"));
    EXPECT_FALSE(Exists(Quarantined("hidden.dat")));
}

TEST_F(Quarantine, ACookieOfAKnownNameGetsACopyAndARecordOfItsOwn) {
    machine.fileSystem.AddFile(Quarantined("alice@ads[1].txt"), "from elsewhere");
    const std::string cookie = "C:\\Cookies\\alice@ads[1].txt";
    machine.fileSystem.AddFile(cookie, "ads");
    CookieFinding(cookie);
    Delete();

    EXPECT_FALSE(Exists(cookie));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("alice@ads (2)[1].txt")), nullptr);
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("alice@ads[1] (2).txt"))->content, "ads");
    EXPECT_EQ(Log(), FileRecord("alice@ads[1] (2).txt", cookie));
    EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), 0);
}

// Every copy gets its entry in the index, beside what an older quarantine
// holds; a damaged index loses none of its good entries, and its damaged
// original is kept aside.
TEST_F(Quarantine, TheIndexHoldsEveryCopyAndADamagedIndexLosesNoGoodEntry) {
    machine.fileSystem.AddFile(Quarantined("earlier.dat"), "earlier");
    // Digests as the index has always held them: SHA-256, lower-case hex.
    const std::string damaged =
        "QuarantineIndex\t1\r\n"
        "file\t2020-01-02 03:04:05\t7\t"
        "2a51d3547c23a8de50f3e23285a0df356627ef64c300087d3b27173f08ded2a0"
        "\tearlier.dat\tOld\tC:\\Old\\earlier.dat\t\r\n"
        "file\t2020-01-02 03:04:05\t7\tcut off\r\n"
        "file\t2020-01-02 03:04:05\t7\t"
        "2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881"
        "\t..\tOld\tC:\\Old\\x\t\r\n"
        // Names that Windows reads as another file: the copy of earlier.dat,
        // and the quarantine's own log.
        "file\t2020-01-02 03:04:05\t7\t"
        "2a51d3547c23a8de50f3e23285a0df356627ef64c300087d3b27173f08ded2a0"
        "\tearlier.dat. \tOld\tC:\\Old\\e\t\r\n"
        "file\t2020-01-02 03:04:05\t7\t"
        "2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881"
        "\tquarantinelog.TXT\tOld\tC:\\Old\\l\t\r\n";
    machine.fileSystem.AddFile(Quarantined("QuarantineIndex.txt"), damaged);
    // An older quarantine's log: one copy is still there, one is gone.
    machine.fileSystem.AddFile(Quarantined("old.exe"), "old");
    machine.fileSystem.AddFile(
        Quarantined("QuarantineLog.txt"),
        "1/2/2003 4:05:06 AM - File: old.exe\r\n - Location: C:\\Old\\old.exe"
        "\r\n\r\n\r\n1/2/2003 4:05:06 AM - File: gone.exe\r\n - Location: "
        "C:\\Old\\gone.exe\r\n\r\n\r\n");
    machine.fileSystem.AddFile("C:\\X\\evil.exe", "exe");
    machine.fileSystem.AddFile("C:\\X\\Folder\\a.txt", "a");
    machine.fileSystem.AddFile("C:\\X\\Folder\\sub\\b.txt", "bb");
    const std::string cookie = "C:\\Cookies\\alice@ads[1].txt";
    machine.fileSystem.AddFile(cookie, "ads");
    FileFinding("Evil", "C:\\X\\evil.exe");
    FileFinding("Evil", "C:\\X\\Folder");
    CookieFinding(cookie);
    Delete();

    EXPECT_FALSE(Exists("C:\\X\\evil.exe"));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("QuarantineIndex (damaged).txt"))->content,
              damaged);
    const std::vector<QuarantineEntry> index = Index();
    ASSERT_EQ(index.size(), 4u);
    EXPECT_EQ(index[0].storedName, "earlier.dat");
    EXPECT_EQ(index[0].threat, "Old");
    EXPECT_TRUE(VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder, index[0]))
        << "an entry written earlier still verifies";
    const std::string now = IndexTimeText(machine.clock.now);
    const struct {
        QuarantineKind kind;
        const char* stored;
        const char* location;
        const char* threat;
        std::uint64_t size;
    } expected[] = {
        {QuarantineKind::File, "evil.exe", "C:\\X\\evil.exe", "Evil", 3},
        {QuarantineKind::Folder, "Folder", "C:\\X\\Folder", "Evil", 3},
        {QuarantineKind::Cookie, "alice@ads[1].txt", "C:\\Cookies\\alice@ads[1].txt",
         "Cookie: alice@ads[1].txt", 3},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const QuarantineEntry& entry = index[i + 1];
        EXPECT_EQ(entry.kind, expected[i].kind) << i;
        EXPECT_EQ(entry.storedName, expected[i].stored) << i;
        EXPECT_EQ(entry.location, expected[i].location) << i;
        EXPECT_EQ(entry.threat, expected[i].threat) << i;
        EXPECT_EQ(entry.size, expected[i].size) << i;
        EXPECT_EQ(entry.time, now) << i;
        EXPECT_TRUE(VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder, entry))
            << i;
    }

    // The window's list: the index, then what only the old log knows and
    // the quarantine still holds.
    const std::vector<QuarantineEntry> listed =
        ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder);
    ASSERT_EQ(listed.size(), 5u);
    EXPECT_EQ(listed[4].storedName, "old.exe");
    EXPECT_EQ(listed[4].location, "C:\\Old\\old.exe");
    EXPECT_TRUE(listed[4].fromLogOnly);
    EXPECT_EQ(listed[4].size, 3u);

    // A copy changed since it was saved is not taken for it.
    machine.fileSystem.Find(Quarantined("evil.exe"))->content = "EXE";
    machine.fileSystem.Find(Quarantined("Folder\\sub\\b.txt"))->content = "BB";
    EXPECT_FALSE(
        VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder, index[1]));
    EXPECT_FALSE(
        VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder, index[2]));

    EXPECT_TRUE(RemoveQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder,
                                        {"EVIL.EXE"}));
    EXPECT_EQ(Index().size(), 3u);
    EXPECT_EQ(Index()[1].storedName, "Folder");
}

// A removed file named like the quarantine's own log or index is kept
// beside them, and the first removal's log record never lands in its copy.
TEST_F(Quarantine, ACopyIsNeverGivenTheQuarantinesOwnNames) {
    machine.fileSystem.AddFile("C:\\X\\QuarantineLog.txt", "not a log");
    machine.fileSystem.AddFile("C:\\Y\\quarantineindex.txt", "not an index");
    FileFinding("Evil", "C:\\X\\QuarantineLog.txt");
    FileFinding("Evil", "C:\\Y\\quarantineindex.txt");
    Delete();

    EXPECT_EQ(machine.fileSystem.ReadWholeFile(Quarantined("QuarantineLog (2).txt")), "not a log");
    EXPECT_EQ(machine.fileSystem.ReadWholeFile(Quarantined("quarantineindex (2).txt")),
              "not an index");
    EXPECT_EQ(Log(), FileRecord("QuarantineLog (2).txt", "C:\\X\\QuarantineLog.txt") +
                         FileRecord("quarantineindex (2).txt", "C:\\Y\\quarantineindex.txt"));
    const std::vector<QuarantineEntry> index = Index();
    ASSERT_EQ(index.size(), 2u);
    for (const QuarantineEntry& entry : index) {
        EXPECT_TRUE(
            VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder, entry));
    }
}

// The index says its texts are UTF-8, so that it reads the same after the
// program's code page changes; an older one is read in the code page it was
// written in. What this code page cannot hold is kept for one that can.
TEST_F(Quarantine, TheIndexReadsTheSameAcrossCodePages) {
    const std::string digest = "2d711642b726b04401627ca9fbac32f5c8530fb1903cc4db02258717921a4881";
    const auto line = [&](const std::string& stored, const std::string& location) {
        return "file\t2020-01-02 03:04:05\t1\t" + digest + "\t" + stored + "\tOld\t" + location +
               "\t\r\n";
    };
    // Written in Windows-1252 by an older version, read after Windows moved
    // the program to UTF-8.
    machine.textCodec.utf8Program = true;
    machine.fileSystem.AddFile(Quarantined("QuarantineIndex.txt"),
                               "QuarantineIndex\t1\r\n" +
                                   line("jos\xE9.exe", "C:\\Users\\Jos\xE9\\jos\xE9.exe") +
                                   line("zh.exe", "C:\\Users\\\xD0\x96\\zh.exe"));
    ASSERT_EQ(Index().size(), 2u);
    EXPECT_EQ(Index()[0].location, "C:\\Users\\Jos\xC3\xA9\\jos\xC3\xA9.exe");
    EXPECT_EQ(Index()[1].location, "C:\\Users\\\xD0\x96\\zh.exe") << "valid UTF-8 stays";
    machine.fileSystem.AddFile("C:\\X\\evil.exe", "exe");
    FileFinding("Evil", "C:\\X\\evil.exe");
    Delete();
    const std::string written =
        machine.fileSystem.ReadWholeFile(Quarantined("QuarantineIndex.txt")).value_or("");
    EXPECT_TRUE(written.starts_with("QuarantineIndex\t1\tUTF-8\r\n")) << written;

    // The profile roams to a Windows that runs the program in Windows-1252.
    machine.textCodec.utf8Program = false;
    std::vector<QuarantineEntry> index = Index();
    ASSERT_EQ(index.size(), 2u) << "the entry that 1252 cannot hold is not listed";
    EXPECT_EQ(index[0].location, "C:\\Users\\Jos\xE9\\jos\xE9.exe");
    EXPECT_EQ(index[0].storedName, "jos\xE9.exe");
    EXPECT_EQ(index[1].storedName, "evil.exe");
    EXPECT_TRUE(RemoveQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder,
                                        {"jos\xE9.exe"}));

    machine.textCodec.utf8Program = true;
    index = Index();
    ASSERT_EQ(index.size(), 2u) << "kept, untouched, for a code page that holds it";
    EXPECT_EQ(index[0].location, "C:\\Users\\\xD0\x96\\zh.exe");
    EXPECT_EQ(index[1].storedName, "evil.exe");
}

// An entry of a kind that a later version adds is neither listed nor lost
// when this version writes the index.
TEST_F(Quarantine, AnEntryOfALaterKindIsKeptAsItStands) {
    const std::string later = "wmisub\t2020-01-02 03:04:05\t1\t" + std::string(64, 'a') +
                              "\tsub.mof\tOld\tROOT\\subscription\t\r\n";
    machine.fileSystem.AddFile(Quarantined("QuarantineIndex.txt"),
                               "QuarantineIndex\t1\tUTF-8\r\n" + later);
    EXPECT_TRUE(Index().empty());
    machine.fileSystem.AddFile("C:\\X\\evil.exe", "exe");
    FileFinding("Evil", "C:\\X\\evil.exe");
    Delete();
    ASSERT_EQ(Index().size(), 1u);
    EXPECT_NE(machine.fileSystem.ReadWholeFile(Quarantined("QuarantineIndex.txt"))
                  .value_or("")
                  .find(later),
              std::string::npos);
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("QuarantineIndex (damaged).txt")), nullptr);
}

// The digests are the standard SHA-256 that any other tool computes, also
// for content read in many pieces, so that every index already written
// still verifies.
TEST_F(Quarantine, DigestsAreStandardSha256InLowerCaseHex) {
    EXPECT_EQ(Sha256Hex(machine.hashing, "abc"),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex(machine.hashing, ""),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    machine.fileSystem.AddFile("C:\\X\\a.bin", std::string(1000000, 'a'));
    const std::optional<ContentDigest> digest =
        DigestFile(machine.fileSystem, machine.hashing, "C:\\X\\a.bin");
    ASSERT_TRUE(digest);
    EXPECT_EQ(digest->size, 1000000u);
    EXPECT_EQ(digest->sha256, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST_F(Quarantine, AnIndexThatCannotBeWrittenNeverStopsARemoval) {
    machine.fileSystem.AddDirectory(Quarantined("QuarantineIndex.txt"));
    machine.fileSystem.AddFile("C:\\X\\evil.exe", "exe");
    FileFinding("Evil", "C:\\X\\evil.exe");
    Delete();

    EXPECT_FALSE(Exists("C:\\X\\evil.exe"));
    EXPECT_EQ(machine.fileSystem.Find(Quarantined("evil.exe"))->content, "exe");
    EXPECT_EQ(Log(), FileRecord("evil.exe", "C:\\X\\evil.exe"));
    EXPECT_TRUE(Problems().empty());
}

TEST(NumberedName, TheNumberGoesBeforeAFilesExtensionAndAfterAFoldersName) {
    EXPECT_EQ(NumberedName("evil.exe", 1, false), "evil.exe");
    EXPECT_EQ(NumberedName("evil.exe", 2, false), "evil (2).exe");
    EXPECT_EQ(NumberedName("archive.tar.gz", 3, false), "archive.tar (3).gz");
    EXPECT_EQ(NumberedName(".hidden", 2, false), ".hidden (2)");
    EXPECT_EQ(NumberedName("My.Folder", 2, true), "My.Folder (2)");
}

}  // namespace
}  // namespace removal

// Backing items up into the quarantine and deleting them, as the removal
// drives it: what is copied, under which name, what is recorded, and what is
// never deleted.

#include "removal/quarantine_backup.h"
#include "removal/removal_fixture.h"

namespace removal {
namespace {

class Quarantine : public testing::RemovalFixture {};

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
    EXPECT_EQ(Log(), "") << "no copy, no record";
    EXPECT_FALSE(machine.fileSystem.DirectoryExists(Quarantined("Folder")))
        << "a partial folder copy is no backup and is not left behind";
    EXPECT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 4);
    EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), 1);
    EXPECT_TRUE(app->frmDelete.Visible());
}

TEST_F(Quarantine, ALockedExecutableIsCopiedOnceAndListedOnceWithBothRowsUnchecked) {
    machine.fileSystem.AddFile("C:\\X\\locked.exe", "exe").locked = true;
    machine.fileSystem.AddFile("C:\\X\\gone.exe", "exe");
    FileFinding("Locked", "C:\\X\\locked.exe");
    FileFinding("Gone", "C:\\X\\gone.exe");
    Delete();

    EXPECT_EQ(Problems(), std::vector<std::string>{"C:\\X\\locked.exe"});
    EXPECT_EQ(Log(), FileRecord("locked.exe", "C:\\X\\locked.exe") +
                         FileRecord("gone.exe", "C:\\X\\gone.exe"))
        << "one record for the one copy, however often the delete is tried";
    ASSERT_EQ(Removal().ItemCount(), 1);
    EXPECT_EQ(Removal().Item(0).text, "Locked");
    EXPECT_FALSE(Removal().Item(0).checked);
    ASSERT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 1);
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

TEST(NumberedName, TheNumberGoesBeforeAFilesExtensionAndAfterAFoldersName) {
    EXPECT_EQ(NumberedName("evil.exe", 1, false), "evil.exe");
    EXPECT_EQ(NumberedName("evil.exe", 2, false), "evil (2).exe");
    EXPECT_EQ(NumberedName("archive.tar.gz", 3, false), "archive.tar (3).gz");
    EXPECT_EQ(NumberedName(".hidden", 2, false), ".hidden (2)");
    EXPECT_EQ(NumberedName("My.Folder", 2, true), "My.Folder (2)");
}

}  // namespace
}  // namespace removal

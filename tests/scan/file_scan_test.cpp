#include "scan/file_scan.h"

#include "scan_fixture.h"

namespace scan {
namespace {

// A version resource fragment that names a company.
std::string VersionData(std::string_view company) {
    std::string data = "MZ....StringFileInfo";
    data += std::string("\x01\0C\0o\0m\0p\0a\0n\0y\0N\0a\0m\0e", 23);
    data += std::string(3, '\0');
    for (char c : company) {
        data.push_back(c);
        data.push_back('\0');
    }
    data += std::string(4, '\0');
    return data;
}

class FileScan : public testing::ScanFixture {};

TEST_F(FileScan, AFileAtItsPlaceIsReportedWithItsFolderJoinedOnce) {
    machine.fileSystem.AddFile("C:\\Program Files\\Acme\\tool.exe", "MZ");
    Definitions("FileDefinition.dat", {"tool.exe=Acme Tool|[progfil]Acme\\|Adware"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"Acme Tool - Found"});
    ASSERT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 1);
    EXPECT_EQ(Main().lvwFilesToBeDeleted->Item(0).text, "C:\\Program Files\\Acme\\tool.exe");
    EXPECT_EQ(Main().lvwFilesToBeDeleted->Item(0).SubItem(1), "Acme Tool");
    EXPECT_EQ(Removal().Item(0).smallIcon, kIconFile);
    EXPECT_EQ(Removal().Item(0).SubItem(2), "Adware");
}

// Where the program runs in UTF-8, the definitions still hold the system's
// ANSI code page (Windows-1252 here), and must become UTF-8 before a name is
// looked for or shown.
TEST_F(FileScan, ADefinitionInTheSystemsCodePageFindsItsFileWhereTheProgramRunsInUtf8) {
    machine.textCodec.utf8Program = true;
    machine.fileSystem.AddFile("C:\\Program Files\\Caf\xC3\xA9\\caf\xC3\xA9.exe", "MZ");
    Definitions("FileDefinition.dat", {"caf\xE9.exe=Caf\xE9 Tool|[progfil]Caf\xE9\\|Adware"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"Caf\xC3\xA9 Tool - Found"});
}

TEST_F(FileScan, HiddenFilesAndWildcardsAreNeverReported) {
    machine.fileSystem.AddFile("C:\\Evil\\hidden.dll").hidden = true;
    machine.fileSystem.AddFile("C:\\Evil\\a.dll");
    Definitions("FileDefinition.dat",
                {"hidden.dll=Evil|C:\\Evil", "*.dll=Evil|C:\\Evil", "a.dl?=Evil|C:\\Evil"});
    Scan();
    EXPECT_TRUE(Summary().empty());
    EXPECT_EQ(app->scan.FilesFoldersInspected, 3);
}

TEST_F(FileScan, ARecordWithoutAnAbsolutePathIsCountedButNeverLookedFor) {
    machine.shellFolders.Remove(platform::csidl::kAltStartup);
    // Files of these names in whatever the current folder is must not matter.
    machine.fileSystem.AddFile("evil.dll");
    machine.fileSystem.AddFile("x.exe");
    Definitions("FileDefinition.dat", {"evil.dll=Evil", "x.exe=Evil|[startsp]"});
    Scan();
    EXPECT_TRUE(Summary().empty());
    EXPECT_EQ(app->scan.FilesFoldersInspected, 2);
}

TEST_F(FileScan, EachSpecialFolderIsAskedForOncePerPhase) {
    std::vector<std::string> lines;
    for (int i = 0; i < 50; ++i) {
        lines.push_back("a" + std::to_string(i) + ".dll=Evil|[windir]x" + std::to_string(i));
        lines.push_back("b" + std::to_string(i) + ".dll=Evil|[WinDir]\\y|Adware");
    }
    Definitions("FileDefinition.dat", lines);
    machine.shellFolders.lookups = 0;
    ScanKnownFiles(*app);
    EXPECT_EQ(app->scan.FilesFoldersInspected, 100);
    // The Windows folder, and the programs folder for the system drive.
    EXPECT_LE(machine.shellFolders.lookups, 3);
}

TEST_F(FileScan, FilesOfThePlatformVendorAreExempt) {
    machine.fileSystem.AddFile("C:\\Windows\\notepad.exe", VersionData("Microsoft Corporation"));
    machine.fileSystem.AddFile("C:\\Windows\\evil.exe", VersionData("Evil Inc."));
    Definitions("FileDefinition.dat", {"notepad.exe=Fake|[windir]", "evil.exe=Evil|[windir]"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"Evil - Found"});
}

TEST_F(FileScan, ExcludedAndSafeFilesAreNotTraces) {
    machine.fileSystem.AddFile("C:\\A\\one.exe");
    machine.fileSystem.AddFile("C:\\A\\two.exe");
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"), "c:\\a\\one.exe\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    machine.fileSystem.AddFile(DataFile("Safety.dat"),
                               definitions::EncodeDefinitionLine("SEXE|x|C:\\A\\two.exe") + "\r\n");
    Definitions("FileDefinition.dat", {"one.exe=One|C:\\A", "two.exe=Two|C:\\A"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"EXCLUDED: C:\\A\\one.exe"});
    EXPECT_EQ(Caption(Main().lbltracesFound), "0");
}

TEST_F(FileScan, FoldersAreReportedAndLinesWithoutAFolderAreNotCounted) {
    machine.fileSystem.AddDirectory("C:\\Evil\\Data");
    Definitions("DirectoryDefinition.dat", {"Evil data=Evil|[drive]Evil\\Data|Spyware",
                                            "no folder=Evil", "gone=Gone|C:\\Gone"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"Evil - Found"});
    EXPECT_EQ(app->scan.FilesFoldersInspected, 2);
    EXPECT_EQ(Removal().Item(0).smallIcon, kIconFolder);
    EXPECT_EQ(Removal().Item(0).SubItem(1), "C:\\Evil\\Data");
}

TEST_F(FileScan, ExcludingAFileInsideAFolderExcludesTheFolder) {
    machine.fileSystem.AddDirectory("C:\\Evil");
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"), "C:\\EVIL\\inside.exe\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    Definitions("DirectoryDefinition.dat", {"folder=Evil|C:\\Evil"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"EXCLUDED: C:\\Evil"});
}

TEST_F(FileScan, AThreatWithAFileAndAFolderGivesOneRemovalRowAndTwoTraces) {
    machine.fileSystem.AddFile("C:\\Evil\\evil.exe");
    Definitions("FileDefinition.dat", {"evil.exe=Evil|C:\\Evil"});
    Definitions("DirectoryDefinition.dat", {"folder=Evil|C:\\Evil"});
    Scan();
    EXPECT_EQ(Removal().ItemCount(), 1);
    EXPECT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 2);
    EXPECT_EQ(Caption(Main().lbltracesFound), "2");
}

TEST_F(FileScan, OnSixtyFourBitWindowsTheThirtyTwoBitFoldersArePlacesOfTheirOwn) {
    machine.Model64BitWindows();
    machine.fileSystem.AddFile("C:\\Program Files\\Acme\\tool.exe", "MZ");
    machine.fileSystem.AddFile("C:\\Program Files (x86)\\Acme\\tool.exe", "MZ");
    machine.fileSystem.AddFile("C:\\Windows\\evil.dll", "MZ");
    machine.fileSystem.AddDirectory("C:\\Windows\\SysWOW64\\Evil");
    machine.fileSystem.AddDirectory("C:\\Program Files (x86)\\Common Files\\Evil");
    // The safe list names places as the definitions do, so it covers both
    // copies; an exclusion names the one place the user excluded.
    for (const char* folder : {"C:\\Program Files", "C:\\Program Files (x86)"}) {
        machine.fileSystem.AddFile(std::string(folder) + "\\Good\\good.exe", "MZ");
        machine.fileSystem.AddFile(std::string(folder) + "\\Other\\other.exe", "MZ");
    }
    machine.fileSystem.AddFile(
        DataFile("Safety.dat"),
        definitions::EncodeDefinitionLine("SEXE|x|C:\\Program Files\\Good\\good.exe") + "\r\n");
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"),
                               "C:\\Program Files (x86)\\Other\\other.exe\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    Definitions("FileDefinition.dat",
                {"tool.exe=Acme Tool|[progfil]Acme\\", "evil.dll=Evil|[windir]",
                 "good.exe=Evil|[progfil]Good", "other.exe=Evil|[progfil]Other"});
    Definitions("DirectoryDefinition.dat",
                {"system=Evil|[system]Evil", "common=Evil|[comprogfil]Evil"});
    Scan();
    EXPECT_EQ(Texts(*Main().lvwFilesToBeDeleted),
              (std::vector<std::string>{
                  "C:\\Program Files\\Acme\\tool.exe", "C:\\Program Files (x86)\\Acme\\tool.exe",
                  "C:\\Windows\\evil.dll", "C:\\Program Files\\Other\\other.exe",
                  "C:\\Windows\\SysWOW64\\Evil", "C:\\Program Files (x86)\\Common Files\\Evil"}));
    EXPECT_EQ(Texts(Removal()), (std::vector<std::string>{"Acme Tool", "Evil"}));
    EXPECT_EQ(Summary(),
              (std::vector<std::string>{"Acme Tool - Found", "Evil - Found",
                                        "EXCLUDED: C:\\Program Files (x86)\\Other\\other.exe"}));
    EXPECT_EQ(app->scan.FilesFoldersInspected, 6);
    EXPECT_EQ(Caption(Main().lbltracesFound), "6");
}

}  // namespace
}  // namespace scan

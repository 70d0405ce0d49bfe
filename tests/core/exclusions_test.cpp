#include "core/exclusions.h"

#include "removal/exclude_command.h"
#include "scan/scan_fixture.h"

namespace removal {
namespace {

class Exclusions : public scan::testing::ScanFixture {
protected:
    void ExclusionFile(const std::string& content) {
        machine.fileSystem.AddFile(DataFile("ENoSignature.dat"), content);
        app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                       app->DataFolder);
    }
    std::string File() { return *machine.fileSystem.ReadWholeFile(DataFile("ENoSignature.dat")); }
};

TEST_F(Exclusions, BlankLinesAreSkippedAndOtherLinesKeptAsWritten) {
    ExclusionFile("evil.exe\r\n   \r\n\r\n leading.exe\r\nC:\\X\r\n");
    EXPECT_EQ(app->exclusions.Text(), "evil.exe| leading.exe|C:\\X|");
    EXPECT_TRUE(app->exclusions.IsExcluded("EVIL.EXE"));
    EXPECT_FALSE(app->exclusions.IsExcluded("EVIL.EXE.BAK"));
    EXPECT_FALSE(app->exclusions.IsExcluded("leading.exe"));
    EXPECT_TRUE(app->exclusions.IsExcluded(" LEADING.EXE"));
    EXPECT_TRUE(app->exclusions.IsExcluded("EVIL.EXE  ")) << "the name trimmed matches too";
}

TEST_F(Exclusions, AMissingFileExcludesNothing) {
    EXPECT_EQ(app->exclusions.Text(), "");
    EXPECT_FALSE(app->exclusions.IsExcluded(""));
    EXPECT_FALSE(app->exclusions.IsFolderExcluded("C:\\X"));
}

TEST_F(Exclusions, FoldersAreExcludedByEntriesThatContainThem) {
    ExclusionFile("C:\\Evil\\Data\\inside.exe\r\n");
    EXPECT_TRUE(app->exclusions.IsFolderExcluded("c:\\evil\\data"));
    EXPECT_TRUE(app->exclusions.IsFolderExcluded("C:\\Evil"));
    EXPECT_FALSE(app->exclusions.IsFolderExcluded("C:\\Evil\\Other"));
}

TEST_F(Exclusions, AddingAppendsTheTrimmedNameAndReloads) {
    ExclusionFile("first\r\n");
    app->exclusions.AddExclusion(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                 app->DataFolder, "  second ");
    EXPECT_EQ(File(), "first\r\nsecond\r\n");
    EXPECT_TRUE(app->exclusions.IsExcluded("SECOND"));
}

TEST_F(Exclusions, AnAdditionToAFileSavedWithoutAFinalLineEndGetsALineOfItsOwn) {
    const std::vector<std::string> lineEnds{"", "\r", "\n", "\r\n"};
    for (const std::string& lineEnd : lineEnds) {
        ExclusionFile("first" + lineEnd);
        app->exclusions.AddExclusion(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                     app->DataFolder, "second");
        EXPECT_EQ(File(), "first" + (lineEnd.empty() ? "\r\n" : lineEnd) + "second\r\n");
        EXPECT_TRUE(app->exclusions.IsExcluded("FIRST")) << "ended by [" << lineEnd << "]";
        EXPECT_TRUE(app->exclusions.IsExcluded("SECOND")) << "ended by [" << lineEnd << "]";
    }
}

TEST_F(Exclusions, ALineHoldingBarsGivesOneEntryPerPiece) {
    ExclusionFile("a.exe|b.exe\r\nc.exe\r\n");
    EXPECT_EQ(app->exclusions.Text(), "a.exe|b.exe|c.exe|");
    EXPECT_TRUE(app->exclusions.IsExcluded("A.EXE"));
    EXPECT_TRUE(app->exclusions.IsExcluded("b.exe"));
    EXPECT_FALSE(app->exclusions.IsExcluded("a.exe|b.exe"));
    EXPECT_TRUE(app->exclusions.IsFolderExcluded("B.EXE"));
}

TEST_F(Exclusions, AnEntryRemovedInAnEditorStillCountsUntilTheNextLoad) {
    ExclusionFile("evil.exe\r\n");
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"), "");
    EXPECT_TRUE(app->exclusions.IsExcluded("evil.exe"));
    app->exclusions.AddExclusion(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                 app->DataFolder, "other");
    EXPECT_FALSE(app->exclusions.IsExcluded("evil.exe"));
}

TEST_F(Exclusions, ExcludingACookieRowAddsItsPathAndItsName) {
    machine.fileSystem.AddFile(
        "C:\\Users\\alice\\AppData\\Local\\Microsoft\\Windows\\INetCookies\\alice@tracker[1].txt",
        "tracker.example/");
    Definitions("BlockedCookies.dat", {"tracker.example"});
    Scan();
    ASSERT_EQ(Removal().ItemCount(), 1);
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->UserSetChecked(0, true);
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    Main().cmdExclude->Click();
    EXPECT_EQ(File(),
              "C:\\Users\\alice\\AppData\\Local\\Microsoft\\Windows\\INetCookies\\alice@tracker[1]"
              ".txt\r\nalice@tracker[1].txt\r\n");
    EXPECT_EQ(Removal().ItemCount(), 0);
    EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), 0);
    EXPECT_EQ(machine.dialogs.shown.back().title, "Really Exclude?");
}

TEST_F(Exclusions, NothingCheckedChangesNothingAfterTheQuestion) {
    machine.fileSystem.AddFile("C:\\Evil\\evil.exe");
    Definitions("FileDefinition.dat", {"evil.exe=Evil|C:\\Evil"});
    Scan();
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    Main().cmdExclude->Click();
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(Removal().ItemCount(), 1);
    EXPECT_EQ(machine.fileSystem.Find(DataFile("ENoSignature.dat")), nullptr);
}

TEST_F(Exclusions, WithEmptyListsTheButtonApologises) {
    Main().cmdExclude->Click();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text, "Sorry, there are no entries to be excluded.");
}

TEST_F(Exclusions, ViewingWithoutAFileSaysSoAndStartsNoEditor) {
    Main().mnuQuarItem[1]->Click();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text, "No exclusion file exists yet.");
    EXPECT_EQ(machine.dialogs.shown[0].title, "No Exclusion File");
    EXPECT_TRUE(machine.shell.commandLines.empty());
    ExclusionFile("x\r\n");
    Main().mnuQuarItem[1]->Click();
    EXPECT_EQ(machine.shell.commandLines,
              std::vector<std::string>{"notepad " + DataFile("ENoSignature.dat")});
}

}  // namespace
}  // namespace removal

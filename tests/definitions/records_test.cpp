#include "definitions/records.h"

#include <gtest/gtest.h>

#include "fakes/fake_shell_folders.h"

namespace definitions {
namespace {

class Records : public ::testing::Test {
protected:
    fakes::FakeShellFolders shell;
    const std::string drive = "C:\\";
};

TEST_F(Records, ARegistryRecordSplitsAtTheLastEquals) {
    const auto record =
        ParseRegistryRecord("2^Software\\A=B^Flag=1^= Evil Toolbar |Adware|x", drive, shell);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->rootCode, "2");
    EXPECT_EQ(record->keyPath, "Software\\A=B");
    EXPECT_EQ(record->valueName, "Flag=1");
    EXPECT_EQ(record->threatName, "Evil Toolbar ");
    EXPECT_EQ(record->typeText, "Adware");
}

TEST_F(Records, ARegistryKeyRecordHasAnEmptyValueName) {
    const auto record = ParseRegistryRecord("1^Software\\Evil^=Evil", drive, shell);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->keyPath, "Software\\Evil");
    EXPECT_EQ(record->valueName, "");
    EXPECT_EQ(record->typeText, "");
}

TEST_F(Records, RegistryLocationsExpandMacrosAndKeepDoubledBackslashes) {
    const auto record = ParseRegistryRecord("2^Software\\\\X^[windir]\\\\app.exe^=T", drive, shell);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->keyPath, "Software\\\\X");
    EXPECT_EQ(record->valueName, "C:\\Windows\\\\\\app.exe");
    const auto drived = ParseRegistryRecord("2^K^[drive]x^=T", drive, shell);
    EXPECT_EQ(drived->valueName, "C:\\x");
    EXPECT_EQ(ParseRegistryRecord("2^K^[DRIVE]x^=T", drive, shell)->valueName, "[DRIVE]x");
}

TEST_F(Records, MalformedRegistryLinesGiveNoRecord) {
    EXPECT_FALSE(ParseRegistryRecord("2^Software\\Evil^Value", drive, shell).has_value());
    EXPECT_FALSE(ParseRegistryRecord("2^Software\\Evil=Evil", drive, shell).has_value());
    EXPECT_FALSE(ParseRegistryRecord("", drive, shell).has_value());
}

TEST_F(Records, RootCodesThatAreNoNumberReadAsTheFirstRoot) {
    EXPECT_EQ(RootName("HKLM"), "HKEY_CLASSES_ROOT");
    EXPECT_EQ(RootName(" 2 "), "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(RootName("5"), "HKEY_DYN_DATA");
    EXPECT_EQ(RootIndex("7"), -1);
    EXPECT_EQ(RootName("-1"), "");
    EXPECT_EQ(RootIndex("1x"), 0);
    EXPECT_EQ(RootIndex("1555555555555555555555"), -1) << "too large for any whole number";
    EXPECT_EQ(RootIndex("-1555555555555555555555"), -1);
}

TEST_F(Records, AFileRecordJoinsItsFolderAndName) {
    const auto record =
        ParseFileRecord(" tool.exe =Evil Tool|[progfil]Acme\\|Adware", drive, shell);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->fileName, "tool.exe");
    EXPECT_EQ(record->threatName, "Evil Tool");
    EXPECT_EQ(record->typeText, "Adware");
    EXPECT_EQ(record->path, "C:\\Program Files\\Acme\\tool.exe");
}

TEST_F(Records, AFileRecordWithoutFolderIsABareNameThatIsNotAbsolute) {
    const auto record = ParseFileRecord("evil.dll=Evil", drive, shell);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->path, "evil.dll");
    EXPECT_EQ(record->typeText, "");
    EXPECT_FALSE(IsAbsolutePath(record->path));
    EXPECT_FALSE(ParseFileRecord("evil.dll|C:\\x", drive, shell).has_value()) << "no \"=\"";
}

TEST_F(Records, AFolderMacroTheShellCannotResolveLeavesARelativePath) {
    shell.Remove(platform::csidl::kAltStartup);
    const auto record = ParseFileRecord("x.exe=Evil|[startsp]", drive, shell);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->path, "x.exe");
}

TEST_F(Records, DirectoryRecordsNeedAFolder) {
    EXPECT_FALSE(ParseDirectoryRecord("Evil folder=Evil", drive, shell).has_value());
    const auto record =
        ParseDirectoryRecord("Evil\tfolder\r=Evil|[drive]Evil\\\\Data|Spyware", drive, shell);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->label, "Evilfolder");
    EXPECT_EQ(record->path, "C:\\Evil\\Data");
    EXPECT_EQ(record->typeText, "Spyware");
}

TEST_F(Records, ExecutableRecordsTakeTheFolderWithOrWithoutALabel) {
    const auto labelled = ParseExeRecord("EVIL.EXE=x|[windir]", shell);
    const auto bare = ParseExeRecord("EVIL.EXE=[windir]", shell);
    ASSERT_TRUE(labelled && bare);
    EXPECT_EQ(labelled->path, "C:\\Windows\\EVIL.EXE");
    EXPECT_EQ(bare->path, "C:\\Windows\\EVIL.EXE");
    EXPECT_FALSE(ParseExeRecord("EVIL.EXE", shell).has_value());
    EXPECT_EQ(ParseExeRecord("EVIL.EXE=x|C:\\Apps\\|y", shell)->path, "C:\\Apps\\EVIL.EXE");
}

TEST_F(Records, SafetyLinesGiveTheirLocations) {
    EXPECT_EQ(ParseSafetyLine("SREG|x|2^Software\\Acme^Run", drive, shell),
              "HKEY_LOCAL_MACHINE\\Software\\Acme\\Run");
    EXPECT_EQ(ParseSafetyLine("SREG|x|1^Software\\Acme", drive, shell),
              "HKEY_CURRENT_USER\\Software\\Acme");
    EXPECT_EQ(ParseSafetyLine("SFILE|good.exe = Good|", drive, shell), "good.exe");
    EXPECT_EQ(ParseSafetyLine("SDLL|x|[windir]\\\\a.dll", drive, shell), "C:\\Windows\\a.dll");
    EXPECT_EQ(ParseSafetyLine("SDIR|x|http:////example.com", drive, shell), "http://example.com");
    EXPECT_EQ(ParseSafetyLine("SEXT|x|aaaabbbbccccddddeeeeffffgggghhhh", drive, shell),
              "aaaabbbbccccddddeeeeffffgggghhhh");
    EXPECT_EQ(ParseSafetyLine("SOTHER|x|C:\\x", drive, shell), "");
    EXPECT_EQ(ParseSafetyLine("no separator at all", drive, shell), std::nullopt);
}

// Chromium's IDs match in any case the definition writes them, Firefox's as
// written; a line without a known family names nothing.
TEST_F(Records, ExtensionRecordsNameTheirExtensionsAsEachBrowserWritesIds) {
    const struct {
        std::string_view line;
        std::string_view id;
        std::string_view family;
        bool names;
    } cases[] = {
        {" AAAABBBBCCCCDDDDEEEEFFFFGGGGHHHH = EvilSearch|chromium|Hijacker",
         "aaaabbbbccccddddeeeeffffgggghhhh", "chromium", true},
        {"aaaabbbbccccddddeeeeffffgggghhhh=EvilSearch|chromium", "aaaabbbbccccddddeeeeffffgggghhhh",
         "firefox", false},
        {"spy@example=Spy|firefox", "spy@example", "firefox", true},
        {"spy@example=Spy|firefox", "SPY@example", "firefox", false},
        {"spy@example=Spy|*", "spy@example", "chromium", true},
        {"spy@example=Spy|edge", "spy@example", "chromium", false},
        {"spy@example=|firefox", "spy@example", "firefox", false},
        {"spy@example Spy|firefox", "spy@example", "firefox", false},
    };
    for (const auto& c : cases) {
        const std::optional<ExtensionRecord> record = ParseExtensionRecord(c.line);
        EXPECT_EQ(record && record->Names(c.id, c.family), c.names) << c.line;
    }
    EXPECT_EQ(ParseExtensionRecord("x=EvilSearch|chromium|Hijacker")->typeText, "Hijacker");
}

TEST_F(Records, OnlyDrivePathsAndSharesAreAbsolute) {
    EXPECT_TRUE(IsAbsolutePath("C:\\x"));
    EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
    EXPECT_FALSE(IsAbsolutePath("C:x"));
    EXPECT_FALSE(IsAbsolutePath("\\x"));
    EXPECT_FALSE(IsAbsolutePath("x\\y"));
    EXPECT_FALSE(IsAbsolutePath(""));
}

}  // namespace
}  // namespace definitions

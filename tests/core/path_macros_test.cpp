#include "core/path_macros.h"

#include <gtest/gtest.h>

#include "core/shell_folder_cache.h"
#include "fakes/fake_shell_folders.h"

namespace core {
namespace {

namespace csidl = platform::csidl;

class PathMacros : public ::testing::Test {
protected:
    std::string Expand(std::string path) { return ExpandPathMacros(path, shell); }

    fakes::FakeShellFolders shell;
};

TEST_F(PathMacros, DataFolderGetsExactlyOneBackslash) {
    EXPECT_EQ(Expand("[appdata]AntiSpywareDAT"),
              "C:\\Users\\alice\\AppData\\Roaming\\AntiSpywareDAT");
}

TEST_F(PathMacros, FolderMacrosMatchInAnyCase) {
    EXPECT_EQ(Expand("[WINDIR]notepad.exe"), "C:\\Windows\\notepad.exe");
    EXPECT_EQ(Expand("[WinDir]a;[windir]b"), "C:\\Windows\\a;C:\\Windows\\b");
}

TEST_F(PathMacros, ProfileMacrosAreTheProfilesAndMatchOnlyInLowerCase) {
    // The start menus lie deeper here; the macros still name the profiles.
    EXPECT_EQ(Expand("[USER]x"), "[USER]x");
    EXPECT_EQ(Expand("[user]x"), "C:\\Users\\alice\\x");
    EXPECT_EQ(Expand("[alluser]x"), "C:\\ProgramData\\x");
    EXPECT_EQ(Expand("[AllUser]x"), "[AllUser]x");
}

TEST(PathMacrosOnXp, ProfileMacrosAreTheFoldersAboveTheStartMenus) {
    fakes::FakeShellFolders xp(fakes::FakeShellFolders::Layout::Xp);
    std::string path = "[user]ntuser.dat|[alluser]x";
    EXPECT_EQ(ExpandPathMacros(path, xp),
              "C:\\Documents and Settings\\alice\\ntuser.dat|"
              "C:\\Documents and Settings\\All Users\\x");
}

// The old sub-folders are junctions here: each is named by its real folder,
// so that scan, memory scan and removal see one path.
TEST_F(PathMacros, TheProfilesOldSubFoldersAreNamedByTheirRealFolders) {
    EXPECT_EQ(Expand("[user]Local Settings\\Temp\\evil.exe"),
              "C:\\Users\\alice\\AppData\\Local\\Temp\\evil.exe");
    EXPECT_EQ(Expand("[user]local settings\\application data\\x"),
              "C:\\Users\\alice\\AppData\\Local\\x");
    EXPECT_EQ(Expand("[user]\\Application Data\\x"), "C:\\Users\\alice\\AppData\\Roaming\\x");
    EXPECT_EQ(Expand("[user]Start Menu\\Programs\\x.lnk"),
              "C:\\Users\\alice\\AppData\\Roaming\\Microsoft\\Windows\\Start "
              "Menu\\Programs\\x.lnk");
    EXPECT_EQ(Expand("[user]My Documents\\x|[user]Desktop"),
              "C:\\Users\\alice\\Documents\\x|C:\\Users\\alice\\Desktop");
    EXPECT_EQ(Expand("[alluser]Application Data\\x"), "C:\\ProgramData\\x");
    EXPECT_EQ(Expand("[alluser]Start Menu\\x"),
              "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\x");
    EXPECT_EQ(Expand("[alluser]Documents\\x;[alluser]Desktop\\y"),
              "C:\\Users\\Public\\Documents\\x;C:\\Users\\Public\\Desktop\\y");
    // Only whole folder names.
    EXPECT_EQ(Expand("[user]Desktops\\x"), "C:\\Users\\alice\\Desktops\\x");
    EXPECT_EQ(Expand("[user]Application Data.exe"), "C:\\Users\\alice\\Application Data.exe");
}

TEST(PathMacrosOnXp, TheProfilesOldSubFoldersAreRealAndKept) {
    fakes::FakeShellFolders xp(fakes::FakeShellFolders::Layout::Xp);
    std::string path = "[user]Local Settings\\Temp\\a|[alluser]Application Data\\b";
    EXPECT_EQ(ExpandPathMacros(path, xp),
              "C:\\Documents and Settings\\alice\\Local Settings\\Temp\\a|"
              "C:\\Documents and Settings\\All Users\\Application Data\\b");
}

TEST_F(PathMacros, WithoutProfileLookupsTheStartMenusLoseStartMenuInAnyCase) {
    shell.Remove(csidl::kProfile);
    shell.SetAllUsersProfile(std::nullopt);
    shell.Set(csidl::kStartMenu, "C:\\WINDOWS\\Profiles\\bob\\START MENU");
    shell.Set(csidl::kCommonStartMenu, "C:\\WINDOWS\\All Users\\Start Menu");
    EXPECT_EQ(Expand("[user]ntuser.dat"), "C:\\WINDOWS\\Profiles\\bob\\ntuser.dat");
    EXPECT_EQ(Expand("[alluser]x"), "C:\\WINDOWS\\All Users\\x");
}

TEST_F(PathMacros, RecycleBinIsVirtualAndExpandsToNothing) {
    shell.Set(csidl::kBitBucket, "C:\\RECYCLER");
    EXPECT_EQ(Expand("[recycle]x.exe"), "x.exe");
}

TEST_F(PathMacros, DesktopMacrosAreNotSwapped) {
    EXPECT_EQ(Expand("[desktop]"), "C:\\Users\\Public\\Desktop\\");
    EXPECT_EQ(Expand("[comdesk]"), "C:\\Users\\alice\\Desktop\\");
}

TEST_F(PathMacros, MacrosExpandInTheFixedOrder) {
    // "[comprogfil]" comes after "[progfil]"; neither is a prefix problem
    // because brackets close each macro.
    EXPECT_EQ(Expand("[comprogfil]x|[progfil]y"),
              "C:\\Program Files\\Common Files\\x|C:\\Program Files\\y");
}

TEST_F(PathMacros, MissingFolderExpandsToEmptyText) {
    shell.Remove(csidl::kAltStartup);
    EXPECT_EQ(Expand("[startsp]x.exe"), "x.exe");
}

TEST_F(PathMacros, TextWithoutMacrosIsLeftAloneAndCostsNoLookup) {
    EXPECT_EQ(Expand("C:\\plain\\path"), "C:\\plain\\path");
    EXPECT_EQ(shell.lookups, 0);
}

TEST_F(PathMacros, OnlyTheMacrosThatOccurAreLookedUp) {
    EXPECT_EQ(Expand("[nomacro]\\[fonts]a.ttf[x"), "[nomacro]\\C:\\Windows\\Fonts\\a.ttf[x");
    EXPECT_EQ(shell.lookups, 1);
}

TEST_F(PathMacros, AFolderThatHoldsAnEarlierMacroIsNotExpandedAgain) {
    // "[appdata]" comes before "[windir]" in the order: text that "[windir]"
    // brings in is not searched for it.
    shell.Set(csidl::kWindows, "C:\\odd[appdata]");
    EXPECT_EQ(Expand("[windir]\\x"), "C:\\odd[appdata]\\\\x");
}

TEST_F(PathMacros, ExpansionIsLeftInTheVariablePassedIn) {
    std::string path = "[fonts]a.ttf";
    ExpandPathMacros(path, shell);
    EXPECT_EQ(path, "C:\\Windows\\Fonts\\a.ttf");
}

TEST_F(PathMacros, DriveIsTheRootOfTheProgramsFolder) {
    shell.SetById(csidl::kPrograms,
                  "D:\\Users\\alice\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs");
    EXPECT_EQ(SystemDriveRoot(shell), "D:\\");
    EXPECT_EQ(ExpandDefinitionPath("[drive]Windows", shell), "D:\\Windows");
}

TEST_F(PathMacros, DefinitionPathsCollapseDoubledBackslashesOnce) {
    EXPECT_EQ(ExpandDefinitionPath("[windir]\\system.ini", shell), "C:\\Windows\\system.ini");
    EXPECT_EQ(ExpandDefinitionPath("a\\\\\\b", shell), "a\\\\b");
}

TEST_F(PathMacros, DriveMacroIsCaseSensitive) {
    EXPECT_EQ(ExpandDefinitionPath("[DRIVE]x", shell), "[DRIVE]x");
}

TEST_F(PathMacros, SpecialFolderFormsDifferInTheTrailingBackslash) {
    shell.Set(csidl::kWindows, "C:\\");
    EXPECT_EQ(GetSpecialFolder(shell, csidl::kWindows), "C:\\\\");
    EXPECT_EQ(GetSpecialFolderById(shell, csidl::kWindows), "C:\\");
    shell.Remove(csidl::kWindows);
    EXPECT_EQ(GetSpecialFolder(shell, csidl::kWindows), "");
    EXPECT_EQ(GetSpecialFolderById(shell, csidl::kWindows), "");
}

TEST_F(PathMacros, TheCacheAsksTheShellOnceForEachFolderAndForm) {
    ShellFolderCache cache(shell);
    shell.Remove(csidl::kAltStartup);
    shell.SetById(csidl::kWindows, "C:\\Windows\\");
    EXPECT_EQ(cache.FolderPath(csidl::kWindows), "C:\\Windows");
    EXPECT_EQ(cache.FolderPath(csidl::kAltStartup), std::nullopt);
    EXPECT_EQ(cache.FolderPathById(csidl::kWindows), "C:\\Windows\\");
    EXPECT_EQ(cache.AllUsersProfilePath(), "C:\\ProgramData");
    const int asked = shell.lookups;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(cache.FolderPath(csidl::kWindows), "C:\\Windows");
        EXPECT_EQ(cache.FolderPath(csidl::kAltStartup), std::nullopt);
        EXPECT_EQ(cache.FolderPathById(csidl::kWindows), "C:\\Windows\\");
        EXPECT_EQ(cache.AllUsersProfilePath(), "C:\\ProgramData");
    }
    std::string path = "[windir]a;[WINDIR]b";
    EXPECT_EQ(ExpandPathMacros(path, cache), "C:\\Windows\\a;C:\\Windows\\b");
    EXPECT_EQ(shell.lookups, asked);
}

}  // namespace
}  // namespace core

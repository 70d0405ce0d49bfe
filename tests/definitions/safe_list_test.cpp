#include "definitions/safe_list_file.h"

#include <gtest/gtest.h>

#include "definition_text.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fakes/fake_shell_folders.h"

namespace definitions {
namespace {

TEST(SafeList, EntriesMatchIgnoringCaseBlanksAndOneTrailingSlash) {
    SafeList list;
    list.Add("HKEY_LOCAL_MACHINE\\Software\\Acme\\Run");
    EXPECT_TRUE(list.IsSafeListed("hkey_local_machine\\software\\acme\\run\\"));
    EXPECT_TRUE(list.IsSafeListed("  HKEY_LOCAL_MACHINE\\Software\\Acme\\Run  "));
    EXPECT_FALSE(list.IsSafeListed("HKEY_LOCAL_MACHINE\\Software\\Acme\\Run\\Sub"));
    EXPECT_FALSE(list.IsSafeListed("HKEY_LOCAL_MACHINE\\Software\\Acme"));
}

TEST(SafeList, AnEntryWithATrailingBackslashStillMatches) {
    SafeList list;
    list.Add("C:\\Good\\\\");
    EXPECT_TRUE(list.IsSafeListed("C:\\Good"));
    SafeList other;
    other.Add("C:\\Good");
    EXPECT_TRUE(other.IsSafeListed("C:\\Good\\\\"));
}

TEST(SafeList, EmptyAndBlankLocationsAreSafe) {
    SafeList list;
    EXPECT_TRUE(list.IsSafeListed(""));
    EXPECT_TRUE(list.IsSafeListed(" "));
    EXPECT_TRUE(list.IsSafeListed("   "));
}

TEST(SafeList, BareRootsAreSafeOnlyWhileTheListHoldsSomething) {
    SafeList list;
    EXPECT_FALSE(list.IsSafeListed("HKEY_LOCAL_MACHINE"));
    list.Add("");
    list.Add(" ");
    EXPECT_FALSE(list.IsSafeListed("HKEY_LOCAL_MACHINE")) << "blank entries do not count";
    list.Add("C:\\unrelated");
    EXPECT_TRUE(list.IsSafeListed("HKEY_LOCAL_MACHINE"));
    EXPECT_TRUE(list.IsSafeListed("hkey_users\\"));
    EXPECT_FALSE(list.IsSafeListed("HKEY_DYN_DATA"));
    EXPECT_FALSE(list.IsSafeListed("HKEY_LOCAL_MACHINE\\Software"));
}

TEST(SafeList, LoadingDecodesTheFileAndKeepsItsOrder) {
    fakes::FakeFileSystem fs;
    fakes::FakeShellFolders shell;
    fakes::Windows1252Codec codec;
    fs.AddFile("C:\\Data\\Safety.dat",
               testing::CodedFile({"SREG|x|2^Software\\Acme^Run", "junk", "SFILE|a=b|C:\\x.exe"}));
    SafeList list;
    list.Add("stale");
    const bool stop = false;
    LoadSafeList(list, fs, shell, codec, "C:\\Data", "C:\\", stop);
    EXPECT_EQ(list.Locations(),
              (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\Software\\Acme\\Run", "C:\\x.exe"}));
    EXPECT_FALSE(list.IsSafeListed("stale"));
}

TEST(SafeList, AMissingFileLeavesTheListEmptyAndAStopEndsTheLoad) {
    fakes::FakeFileSystem fs;
    fakes::FakeShellFolders shell;
    fakes::Windows1252Codec codec;
    SafeList list;
    const bool go = false;
    LoadSafeList(list, fs, shell, codec, "C:\\Data", "C:\\", go);
    EXPECT_TRUE(list.Locations().empty());
    fs.AddFile("C:\\Data\\Safety.dat", testing::CodedFile({"SDIR|x|C:\\a"}));
    const bool stop = true;
    LoadSafeList(list, fs, shell, codec, "C:\\Data", "C:\\", stop);
    EXPECT_TRUE(list.Locations().empty());
}

}  // namespace
}  // namespace definitions

#include "core/file_predicates.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace core {
namespace {

class FilePredicates : public ::testing::Test {
protected:
    fakes::FakeFileSystem fs;
};

TEST_F(FilePredicates, FileExistsComparesTheNameWithoutRegardToCase) {
    fs.AddFile("C:\\Windows\\Evil.exe");
    EXPECT_TRUE(FileExists(fs, "C:\\Windows\\Evil.exe"));
    EXPECT_TRUE(FileExists(fs, "c:\\windows\\EVIL.EXE"));
    EXPECT_FALSE(FileExists(fs, "C:\\Windows\\Evil.ex"));
}

TEST_F(FilePredicates, HiddenAndSystemFilesDoNotExist) {
    fs.AddFile("C:\\a\\hidden.dll").hidden = true;
    fs.AddFile("C:\\a\\system.dll").system = true;
    EXPECT_FALSE(FileExists(fs, "C:\\a\\hidden.dll"));
    EXPECT_FALSE(FileExists(fs, "C:\\a\\system.dll"));
}

TEST_F(FilePredicates, FoldersAreNotFiles) {
    fs.AddDirectory("C:\\Program Files\\Acme");
    EXPECT_FALSE(FileExists(fs, "C:\\Program Files\\Acme"));
    EXPECT_TRUE(DirectoryExists(fs, "C:\\Program Files\\Acme"));
    EXPECT_TRUE(DirectoryExists(fs, "c:\\program files\\acme\\"));
}

TEST_F(FilePredicates, WildcardsNeverMatchAlthoughFilesDo) {
    fs.AddFile("C:\\a\\one.txt");
    EXPECT_FALSE(FileExists(fs, "C:\\a\\*.txt"));
    EXPECT_FALSE(FileExists(fs, "C:\\a\\one.tx?"));
}

TEST_F(FilePredicates, EmptyOrBadPathsDoNotExist) {
    EXPECT_FALSE(FileExists(fs, ""));
    EXPECT_FALSE(FileExists(fs, "Q:\\nowhere\\x.exe"));
    EXPECT_FALSE(DirectoryExists(fs, ""));
}

TEST_F(FilePredicates, FileNameIsTheTextAfterTheLastBackslash) {
    EXPECT_EQ(FileNameOf("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(FileNameOf("b.txt"), "b.txt");
    EXPECT_EQ(FileNameOf("C:\\a\\"), "");
    EXPECT_EQ(FileNameOf(""), "");
}

}  // namespace
}  // namespace core

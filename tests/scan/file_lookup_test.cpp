#include "scan/file_lookup.h"

#include <gtest/gtest.h>

#include "core/file_predicates.h"
#include "fakes/fake_file_system.h"

namespace scan {
namespace {

// Files and folders in every state a record may meet: there, not there, in
// other letters, hidden, behind a link, in a folder that is missing or that
// cannot be listed.
void Furnish(fakes::FakeFileSystem& fs) {
    fs.AddFile("C:\\Acme\\tool.exe");
    fs.AddFile("C:\\Acme\\MixedCase.dll");
    fs.AddFile("C:\\Acme\\hidden.dll").hidden = true;
    fs.AddFile("C:\\Acme\\Sub\\inner.dll");
    fs.AddDirectory("C:\\Acme\\Plugins");
    fs.AddFile("C:\\Target\\linked.dll");
    fs.AddLink("C:\\Acme\\Link", "C:\\Target");
    fs.AddFile("C:\\Closed\\secret.exe");
    fs.RefuseListing("C:\\Closed");
}

struct Case {
    const char* what;
    const char* path;
};

const Case kCases[] = {
    {"a file that is there", "C:\\Acme\\tool.exe"},
    {"a file that is not", "C:\\Acme\\gone.exe"},
    {"a file in other letters", "c:\\ACME\\mixedcase.DLL"},
    {"a hidden file", "C:\\Acme\\hidden.dll"},
    {"a folder", "C:\\Acme\\Plugins"},
    {"a folder in other letters", "C:\\acme\\PLUGINS"},
    {"a folder that is not", "C:\\Acme\\Gone"},
    {"a file in a subfolder", "C:\\Acme\\Sub\\inner.dll"},
    {"a file behind a link", "C:\\Acme\\Link\\linked.dll"},
    {"a link", "C:\\Acme\\Link"},
    {"a file in a missing folder", "C:\\Acme\\Missing\\a.dll"},
    {"a file two missing folders down", "C:\\Acme\\Missing\\Deeper\\a.dll"},
    {"a file in a folder that cannot be listed", "C:\\Closed\\secret.exe"},
    {"a name with a wildcard", "C:\\Acme\\*.exe"},
    {"a name with a trailing dot", "C:\\Acme\\Plugins."},
    {"a drive's root", "C:\\"},
};

TEST(FileLookup, TheListedFoldersAnswerEveryRecordAsItsOwnLookupDoes) {
    fakes::FakeFileSystem fs;
    Furnish(fs);
    GroupedFileLookup grouped(fs, [] { return true; });
    for (int round = 0; round < GroupedFileLookup::kListFrom + 2; ++round) {
        for (const Case& c : kCases) {
            EXPECT_EQ(grouped.FileExists(c.path), core::FileExists(fs, c.path))
                << c.what << " as a file (round " << round << ")";
            EXPECT_EQ(grouped.DirectoryExists(c.path), core::DirectoryExists(fs, c.path))
                << c.what << " as a folder (round " << round << ")";
        }
    }
}

TEST(FileLookup, ALongFolderIsReadInPartsAndEndsWhenTheScanDoes) {
    fakes::FakeFileSystem fs;
    for (int i = 0; i < 1000; ++i) {
        fs.AddFile("C:\\Many\\f" + std::to_string(i) + ".dll");
    }
    int parts = 0;
    GroupedFileLookup grouped(fs, [&] { return ++parts < 2; });
    for (int i = 0; i < GroupedFileLookup::kListFrom + 1; ++i) {
        // Ended in the middle of the list, the lookup still answers by
        // itself.
        EXPECT_FALSE(grouped.FileExists("C:\\Many\\absent.dll"));
        EXPECT_TRUE(grouped.FileExists("C:\\Many\\f999.dll"));
    }
    EXPECT_EQ(parts, 2);
}

}  // namespace
}  // namespace scan

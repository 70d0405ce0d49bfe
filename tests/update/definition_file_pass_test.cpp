// The pass that rewrites one definition file, streamed block by block.

#include "update/definition_file_pass.h"

#include <gtest/gtest.h>

#include "definitions/line_code.h"
#include "fakes/fake_file_system.h"

namespace update {
namespace {

constexpr const char* kPath = "C:\\Data\\FileDefinition.dat";
constexpr const char* kScratch = "C:\\Data\\temp.dat";

std::string Coded(std::string_view plain) {
    return definitions::EncodeDefinitionLine(plain);
}

class DefinitionFilePass : public ::testing::Test {
protected:
    DefinitionFilePass() { fs.AddDirectory("C:\\Data"); }

    // The file's content after the pass, read `blockSize` bytes at a time.
    std::string Rewritten(const std::string& old, const FileChanges& changes,
                          std::size_t blockSize) {
        fs.AddFile(kPath, old);
        PassProgress progress;
        EXPECT_TRUE(RewriteDefinitionFile(fs, kPath, kScratch, changes, progress, blockSize));
        EXPECT_EQ(fs.Find(kScratch), nullptr);
        EXPECT_FALSE(fs.Find(kPath)->unflushed) << "moved over the old file before the disk had it";
        return fs.ReadWholeFile(kPath).value_or("(missing)");
    }

    fakes::FakeFileSystem fs;
};

// Lines with every kind of end, blank ones, a line longer than the smaller
// blocks and a last line without an end.
std::string MixedFile() {
    return Coded("keep.dll=T|a") + "\r\n" + Coded("drop.dll=T|b") + "\r\n" + "\r\n" +
           Coded("lf.dll=T|c") + "\n" + " \r\n" + Coded(std::string(70, 'x') + "=long|d") + "\r\n" +
           Coded("DROP.DLL=T|again") + "\r\n" + Coded("last.dll=T|e");
}

TEST_F(DefinitionFilePass, EveryBlockSizeGivesTheSameFile) {
    FileChanges changes;
    changes.pendingDeletions = {"drop.dll"};
    changes.added = {Coded("new.dll=T|f"), Coded("keep.dll=T|a")};
    const std::string expected = Coded("keep.dll=T|a") + "\r\n" + Coded("lf.dll=T|c") + "\r\n" +
                                 Coded(std::string(70, 'x') + "=long|d") + "\r\n" +
                                 Coded("last.dll=T|e") + "\r\n" + Coded("new.dll=T|f") + "\r\n";
    for (const std::size_t blockSize :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::size_t{16},
          std::size_t{64}, std::size_t{256 * 1024}}) {
        EXPECT_EQ(Rewritten(MixedFile(), changes, blockSize), expected) << blockSize;
    }
}

TEST_F(DefinitionFilePass, WithoutDeletionsTheOldContentStandsByteForByte) {
    FileChanges changes;
    changes.added = {Coded("new.dll=T|f"), Coded("lf.dll=T|c"), Coded("new.dll=T|f")};
    const std::string expected = MixedFile() + "\r\n" + Coded("new.dll=T|f") + "\r\n";
    for (const std::size_t blockSize : {std::size_t{1}, std::size_t{5}, std::size_t{4096}}) {
        EXPECT_EQ(Rewritten(MixedFile(), changes, blockSize), expected)
            << "a line already there, or added twice, is written once; block " << blockSize;
    }
}

TEST_F(DefinitionFilePass, KeysCompareWithoutRegardToCaseAndOnlyUpToTheirEqualsSign) {
    FileChanges changes;
    changes.pendingDeletions = {"a.dll", "cookie.example"};
    const std::string old = Coded("A.DLL=T|x") + "\r\n" + Coded("a.dll.bak=T|y") + "\r\n" +
                            Coded("Cookie.Example") + "\r\n" + Coded("a=T|z") + "\r\n";
    EXPECT_EQ(Rewritten(old, changes, 3),
              Coded("a.dll.bak=T|y") + "\r\n" + Coded("a=T|z") + "\r\n");
}

TEST_F(DefinitionFilePass, KeysDifferingOnlyInAnsiCaseAreDeletedWhateverTheirLength) {
    // Short and long keys, and the ANSI letters whose cases lie apart.
    const std::vector<std::pair<std::string, std::string>> keys = {
        {"x", "X"},
        {"voil\xe0.dll", "VOIL\xc0.DLL"},  // not \xc9: coded, it is a line end
        {"\x9a\x9c\x9e\xff", "\x8a\x8c\x8e\x9f"},
        {"software\\a rather long key\\with many parts",
         "SOFTWARE\\A Rather Long Key\\WITH many parts"}};
    FileChanges changes;
    std::string old;
    for (const auto& [lower, upper] : keys) {
        changes.pendingDeletions.push_back(lower);
        old += Coded(upper + "=T|x") + "\r\n";
    }
    old += Coded("kept=T|x") + "\r\n";
    EXPECT_EQ(Rewritten(old, changes, 64 * 1024), Coded("kept=T|x") + "\r\n");
}

TEST_F(DefinitionFilePass, KeysOfOneNumberedFamilyAreToldApart) {
    // Same start, same end, same length: only the middle tells them apart.
    FileChanges changes;
    std::string old;
    std::string expected;
    for (int i = 100; i < 400; ++i) {
        const std::string key = "tracker" + std::to_string(i) + ".example";
        old += Coded(key) + "\r\n";
        if (i % 3 == 0) {
            changes.pendingDeletions.push_back(key);
        } else {
            expected += Coded(key) + "\r\n";
        }
    }
    EXPECT_EQ(Rewritten(old, changes, 64 * 1024), expected);
}

TEST_F(DefinitionFilePass, AFileThatCannotBeReadIsLeftAsItIs) {
    fs.AddFile(kPath, Coded("one.dll=T|x") + "\r\n").unreadable = true;
    FileChanges changes;
    changes.pendingDeletions = {"one.dll"};
    changes.added = {Coded("two.dll=T|y")};
    PassProgress progress;
    EXPECT_FALSE(RewriteDefinitionFile(fs, kPath, kScratch, changes, progress));
    EXPECT_EQ(fs.Find(kPath)->content, Coded("one.dll=T|x") + "\r\n");
    EXPECT_EQ(fs.Find(kScratch), nullptr);
}

TEST_F(DefinitionFilePass, AScratchFileThatCannotBeWrittenLeavesTheFileAsItIs) {
    fs.AddDirectory(kScratch);  // a folder where the scratch file should go
    fs.AddFile(kPath, Coded("one.dll=T|x") + "\r\n");
    FileChanges changes;
    changes.pendingDeletions = {"one.dll"};
    PassProgress progress;
    EXPECT_FALSE(RewriteDefinitionFile(fs, kPath, kScratch, changes, progress));
    EXPECT_EQ(fs.Find(kPath)->content, Coded("one.dll=T|x") + "\r\n");
}

// Definition text as the server sends it: coded, with "|" and "=" plain.
std::string Body(std::string_view plain) {
    std::string body;
    for (const char c : plain) {
        body.push_back(c == '|' || c == '=' ? c : definitions::EncodeDefinitionChar(c));
    }
    return body;
}

TEST(ChangesByFile, SortsRecordsOutToTheirFilesOnce) {
    const std::vector<UpdateRecord> records = {
        {"EXE", Operation::Add, Body("a.exe=T|x")},
        {"EXE", Operation::Delete, Body("b.exe")},
        {"DLL", Operation::Delete, Body("b.exe")},
        {"FILE", Operation::Add, Body("B.EXE=T|y")},
        {"COOK", Operation::Delete, Body("c.example")},
        {"COOK", Operation::Delete, Body("C.EXAMPLE")},
    };
    const auto changes = ChangesByFile(records);
    EXPECT_EQ(changes[0].added, (std::vector<std::string>{Coded("a.exe=T|x"), Coded("B.EXE=T|y")}));
    EXPECT_TRUE(changes[0].pendingDeletions.empty()) << "the later addition took it back";
    EXPECT_EQ(changes[1].added, std::vector<std::string>{Coded("a.exe=T|x")});
    EXPECT_EQ(changes[1].pendingDeletions, std::vector<std::string>{"b.exe"})
        << "an addition to another file takes nothing back here";
    EXPECT_EQ(changes[3].pendingDeletions, std::vector<std::string>{"c.example"})
        << "one key however it is written";
}

}  // namespace
}  // namespace update

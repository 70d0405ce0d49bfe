#include "core/file_replace.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace core {
namespace {

constexpr const char* kPath = "C:\\Data\\file.dat";
constexpr const char* kScratch = "C:\\Data\\file.new";

class FileReplace : public ::testing::Test {
protected:
    FileReplace() { fs.AddFile(kPath, "old content"); }

    fakes::FakeFileSystem fs;
};

TEST_F(FileReplace, PiecesLandInTheirOrderWhateverTheirSizesAgainstTheBlock) {
    for (const std::size_t block : {std::size_t{2}, std::size_t{3}, std::size_t{8}}) {
        // Empty, buffered, just under and at half a block, a block and more.
        const std::size_t sizes[] = {0,         1,     block / 2 - 1, block / 2,
                                     block - 1, block, 2 * block + 1};
        for (const std::size_t first : sizes) {
            for (const std::size_t second : sizes) {
                for (const std::size_t third : sizes) {
                    FileReplacement replacement(fs, kPath, kScratch, block);
                    std::string expected;
                    char letter = 'a';
                    for (const std::size_t size : {first, second, third}) {
                        const std::string piece(size, letter++);
                        replacement.Write(piece);
                        expected += piece;
                    }
                    ASSERT_TRUE(replacement.Commit());
                    EXPECT_EQ(fs.Find(kPath)->content, expected)
                        << "block " << block << ", pieces " << first << " " << second << " "
                        << third;
                }
            }
        }
    }
}

TEST_F(FileReplace, TheNewContentReachesTheDiskBeforeItTakesTheFilesPlace) {
    ASSERT_TRUE(ReplaceFileContent(fs, kPath, "new content\r\n", kScratch));
    const fakes::FakeFileSystem::File* file = fs.Find(kPath);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->content, "new content\r\n");
    EXPECT_FALSE(file->unflushed) << "a power cut after the move would leave it empty";
    EXPECT_EQ(fs.Find(kScratch), nullptr);
}

}  // namespace
}  // namespace core

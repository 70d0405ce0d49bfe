#include "core/text_lines.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace core {
namespace {

using Lines = std::vector<std::string>;

TEST(TextLines, LinesEndAtCrLfOrABareCrOrLf) {
    EXPECT_EQ(TextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(TextLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(TextLines("a\nb\rc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(TextLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(TextLines(""), Lines{});
    EXPECT_EQ(TextLines("a\tb \r\n"), Lines{"a\tb "});
}

TEST(TextLines, FilesReadAsLinesAndWriteWithCrLf) {
    fakes::FakeFileSystem fs;
    fs.AddFile("C:\\d\\date.dat", "3/16/2006\r\nsecond\r\n");
    EXPECT_EQ(ReadFirstLine(fs, "C:\\d\\date.dat"), "3/16/2006");
    EXPECT_EQ(ReadTextLines(fs, "C:\\d\\missing.dat"), std::nullopt);
    fs.AddFile("C:\\d\\empty.dat", "");
    EXPECT_EQ(ReadFirstLine(fs, "C:\\d\\empty.dat"), std::nullopt);
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace core

#include <gtest/gtest.h>

#include "core/definition_counts.h"
#include "core/definitions_date.h"
#include "definitions/staged_definitions.h"
#include "fakes/fake_file_system.h"

namespace definitions {
namespace {

const std::string kFolder = "C:\\Data";

class DefinitionFiles : public ::testing::Test {
protected:
    void Add(std::string_view name, std::string content) {
        fs.AddFile(kFolder + "\\" + std::string(name), std::move(content));
    }

    fakes::FakeFileSystem fs;
};

TEST_F(DefinitionFiles, CountingTakesBlankLinesAndSkipsMissingFiles) {
    Add("BlockedCookies.dat", "a\r\n\r\nb\r\n");
    Add("ExeDefinition.dat", "x");
    Add("FileDefinition.dat", "f1\r\nf2\r\n");
    Add("DirectoryDefinition.dat", "d1\r\n\r\n\r\n");
    Add("ExtensionDefinition.dat", "e1\r\ne2\r\n");
    DefinitionCounts counts;
    EXPECT_EQ(CountDefinitions(fs, kFolder, counts), 3 + 1 + 2 + 3 + 2);
    EXPECT_EQ(counts.CookieDefinitionCount, 3);
    EXPECT_EQ(counts.ExeDefinitionCount, 1);
    EXPECT_EQ(counts.RegistryDefinitionCount, 0);
    EXPECT_EQ(counts.FileDefinitionCount, 5);
}

TEST_F(DefinitionFiles, CountingStartsFromZeroEveryTime) {
    DefinitionCounts counts;
    counts.ExeDefinitionCount = 99;
    EXPECT_EQ(CountDefinitions(fs, kFolder, counts), 0);
    EXPECT_EQ(counts.ExeDefinitionCount, 0);
}

TEST_F(DefinitionFiles, AHiddenDefinitionFileCountsAsMissing) {
    Add("ExeDefinition.dat", "x\r\n");
    fs.AddFile(kFolder + "\\ExeDefinition.dat", "x\r\n").hidden = true;
    DefinitionCounts counts;
    EXPECT_EQ(CountDefinitions(fs, kFolder, counts), 0);
}

TEST_F(DefinitionFiles, StagedCopiesMoveInPlaceOnlyForFourFiles) {
    Add("ExeDefinition.dat", "old");
    Add("DLExeDefinition.dat", "new");
    Add("DLFileDefinition.dat", "file");
    Add("DLSafety.dat", "safe");
    PromoteDownloadedDefinitions(fs, kFolder);
    EXPECT_EQ(fs.ReadWholeFile(kFolder + "\\ExeDefinition.dat"), "new");
    EXPECT_EQ(fs.ReadWholeFile(kFolder + "\\FileDefinition.dat"), "file");
    EXPECT_EQ(fs.Find(kFolder + "\\DLExeDefinition.dat"), nullptr);
    EXPECT_NE(fs.Find(kFolder + "\\DLSafety.dat"), nullptr);
    EXPECT_EQ(fs.Find(kFolder + "\\Safety.dat"), nullptr);
}

TEST_F(DefinitionFiles, TheDateIsTheFirstLineOrTheDefault) {
    EXPECT_EQ(ReadDefinitionsDate(fs, kFolder), "3/16/2006 12:00:00 AM");
    Add("date.dat", "12/1/2026 3:04:05 PM\r\nignored\r\n");
    EXPECT_EQ(ReadDefinitionsDate(fs, kFolder), "12/1/2026 3:04:05 PM");
    WriteDefinitionsDate(fs, kFolder, "12/2/2026");
    EXPECT_EQ(fs.ReadWholeFile(kFolder + "\\date.dat"), "12/2/2026\r\n");
}

}  // namespace
}  // namespace definitions

#include "core/definition_check.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace definitions {
namespace {

const std::string kFolder = "C:\\Data";

class DefinitionCheck : public ::testing::Test {
protected:
    void Add(std::string_view name) { fs.AddFile(kFolder + "\\" + std::string(name), "x\r\n"); }
    bool Has(std::string_view name) {
        return fs.Find(kFolder + "\\" + std::string(name)) != nullptr;
    }

    fakes::FakeFileSystem fs;
};

TEST_F(DefinitionCheck, AllFiveFilesMakeTheSetComplete) {
    for (auto name : {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
                      "BlockedCookies.dat", "DirectoryDefinition.dat"}) {
        Add(name);
    }
    EXPECT_TRUE(CheckDefinitionFiles(fs, kFolder));
    EXPECT_TRUE(Has("FileDefinition.dat"));
}

TEST_F(DefinitionCheck, AMissingFolderDefinitionBlanksTheWholeSetAndItsDate) {
    for (auto name : {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
                      "BlockedCookies.dat", "date.dat", "Safety.dat", "ENoSignature.dat"}) {
        Add(name);
    }
    EXPECT_FALSE(CheckDefinitionFiles(fs, kFolder));
    for (auto name : {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
                      "BlockedCookies.dat", "date.dat"}) {
        EXPECT_FALSE(Has(name)) << name;
    }
    EXPECT_TRUE(Has("Safety.dat"));
    EXPECT_TRUE(Has("ENoSignature.dat"));
}

TEST_F(DefinitionCheck, AHiddenDefinitionFileCountsAsMissing) {
    for (auto name : {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
                      "BlockedCookies.dat", "DirectoryDefinition.dat"}) {
        Add(name);
    }
    fs.AddFile(kFolder + "\\ExeDefinition.dat", "x").hidden = true;
    EXPECT_FALSE(CheckDefinitionFiles(fs, kFolder));
}

}  // namespace
}  // namespace definitions

#include "platform/win32/program_file_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace platform::win32 {
namespace {

TEST(ProgramFileWin32, ReadsTheListedTranslationOfItsOwnVersionResource) {
    ProgramFileWin32 program;
    const VersionResource version = program.ReadVersionResource();
    EXPECT_EQ(version.productName, "Adapter Test Product");
    EXPECT_EQ(version.companyName, "Adapter Test Company");
    EXPECT_EQ(version.comments, "www.adapter-tests.example");
    EXPECT_EQ(version.major, 3);
    EXPECT_EQ(version.minor, 14);
}

TEST(ProgramFileWin32, WithoutATranslationListTheUsEnglishBlocksAreRead) {
    ProgramFileWin32 self;
    ProgramFileWin32 other(self.Folder() + "\\version_without_translation.exe");
    const VersionResource version = other.ReadVersionResource();
    EXPECT_EQ(version.productName, "Untranslated Product");
    EXPECT_EQ(version.companyName, "Untranslated Company");
    EXPECT_EQ(version.comments, "");
    EXPECT_EQ(version.major, 2);
    EXPECT_EQ(version.minor, 7);
}

TEST(ProgramFileWin32, FileWithoutVersionResourceGivesEmptyFields) {
    ProgramFileWin32 missing("C:\\does\\not\\exist.exe");
    const VersionResource version = missing.ReadVersionResource();
    EXPECT_EQ(version.productName, "");
    EXPECT_EQ(version.companyName, "");
    EXPECT_EQ(version.comments, "");
    EXPECT_EQ(version.major, 0);
    EXPECT_EQ(version.minor, 0);
}

TEST(ProgramFileWin32, FolderAndBaseNameComeFromTheRunningProgram) {
    std::string module(MAX_PATH, '\0');
    module.resize(::GetModuleFileNameA(nullptr, module.data(), MAX_PATH));

    ProgramFileWin32 program;
    const std::string folder = program.Folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(module.rfind(folder + "\\", 0), 0u) << module;
    EXPECT_EQ(program.BaseName(), "win32_adapter_tests");
}

TEST(ProgramFileWin32, PathIsTheRunningProgramsFileWithItsExtension) {
    ProgramFileWin32 program;
    const std::string path = program.Path();
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), ".exe");
    EXPECT_EQ(path.rfind(program.Folder() + "\\" + program.BaseName(), 0), 0u) << path;
    EXPECT_NE(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << path;
}

TEST(ProgramFileWin32, BaseNameDropsOnlyTheLastExtension) {
    ProgramFileWin32 program("C:\\Program Files\\My.App\\setup.v2.exe");
    EXPECT_EQ(program.Folder(), "C:\\Program Files\\My.App");
    EXPECT_EQ(program.BaseName(), "setup.v2");
}

TEST(ProgramFileWin32, SecondAdapterInTheSameProcessSeesThePreviousInstance) {
    ProgramFileWin32 first;
    EXPECT_FALSE(first.PreviousInstanceRunning());
    {
        ProgramFileWin32 second;
        EXPECT_TRUE(second.PreviousInstanceRunning());
        EXPECT_TRUE(second.PreviousInstanceRunning());
    }
    EXPECT_FALSE(first.PreviousInstanceRunning());
}

TEST(ProgramFileWin32, InstanceIsForgottenWhenItsAdapterGoesAway) {
    {
        ProgramFileWin32 first;
        EXPECT_FALSE(first.PreviousInstanceRunning());
    }
    ProgramFileWin32 later;
    EXPECT_FALSE(later.PreviousInstanceRunning());
}

TEST(ProgramFileWin32, OtherProgramsDoNotCountAsPreviousInstances) {
    ProgramFileWin32 self;
    ASSERT_FALSE(self.PreviousInstanceRunning());
    ProgramFileWin32 other(self.Folder() + "\\version_without_translation.exe");
    EXPECT_FALSE(other.PreviousInstanceRunning());
}

}  // namespace
}  // namespace platform::win32

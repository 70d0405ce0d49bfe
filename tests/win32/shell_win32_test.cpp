#include "platform/win32/shell_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/handles.h"
#include "temp_folder.h"

namespace platform::win32 {
namespace {

// The file's content once its writer has closed it; nullopt after a few
// seconds without that.
std::optional<std::string> WaitForClosedFile(const std::string& path) {
    FileSystemWin32 fileSystem;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const bool closed =
            UniqueFileHandle(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr))
                .IsValid();
        if (closed) {
            return fileSystem.ReadWholeFile(path);
        }
        ::Sleep(50);
    }
    return std::nullopt;
}

class ShellWin32Test : public ::testing::Test {
protected:
    win32_tests::TempFolder folder;
    ShellWin32 shell;
};

TEST_F(ShellWin32Test, CommandLineRuns) {
    const std::string output = folder / "started.txt";
    ASSERT_TRUE(
        shell.StartCommandLine("cmd.exe /c echo x> \"" + output + "\"", WindowShow::Hidden));
    EXPECT_EQ(WaitForClosedFile(output), "x\r\n");
}

TEST_F(ShellWin32Test, MissingProgramDoesNotStart) {
    EXPECT_FALSE(shell.StartCommandLine("no_such_program_4711.exe /x", WindowShow::Normal));
    EXPECT_FALSE(shell.StartCommandLine("", WindowShow::Normal));
}

TEST_F(ShellWin32Test, ExecutedProgramGetsItsParametersAndWorkingFolder) {
    ASSERT_TRUE(shell.Execute("open", "cmd.exe", "/c echo y> relative.txt", folder.Path(),
                              WindowShow::Hidden));
    EXPECT_EQ(WaitForClosedFile(folder / "relative.txt"), "y\r\n");
}

TEST_F(ShellWin32Test, MissingDocumentIsRefused) {
    EXPECT_FALSE(shell.Execute("open", folder / "missing.txt", "", "", WindowShow::Normal));
}

}  // namespace
}  // namespace platform::win32

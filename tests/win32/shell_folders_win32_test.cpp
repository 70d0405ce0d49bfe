#include "platform/win32/shell_folders_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/path_macros.h"

namespace platform::win32 {
namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::string Environment(const char* name) {
    std::string value(MAX_PATH, '\0');
    value.resize(::GetEnvironmentVariableA(name, value.data(), MAX_PATH));
    return value;
}

TEST(ShellFoldersWin32, AppDataIsTheRoamingFolder) {
    ShellFoldersWin32 folders;
    const auto path = folders.FolderPath(csidl::kAppData);
    ASSERT_TRUE(path.has_value());
    EXPECT_TRUE(EndsWith(*path, "\\AppData\\Roaming")) << *path;
}

TEST(ShellFoldersWin32, WindowsFolderIsOnDriveC) {
    ShellFoldersWin32 folders;
    const auto path = folders.FolderPath(csidl::kWindows);
    ASSERT_TRUE(path.has_value());
    EXPECT_TRUE(EqualIgnoringCase(*path, "C:\\windows")) << *path;
}

TEST(ShellFoldersWin32, BothFormsAgreeOnAnOrdinaryFolder) {
    ShellFoldersWin32 folders;
    const auto byPath = folders.FolderPath(csidl::kAppData);
    const auto byId = folders.FolderPathById(csidl::kAppData);
    ASSERT_TRUE(byPath.has_value());
    ASSERT_TRUE(byId.has_value());
    EXPECT_TRUE(EqualIgnoringCase(*byPath, *byId)) << *byPath << " vs " << *byId;
}

TEST(ShellFoldersWin32, RecycleBinHasNoPath) {
    ShellFoldersWin32 folders;
    EXPECT_FALSE(folders.FolderPath(csidl::kBitBucket).has_value());
    EXPECT_FALSE(folders.FolderPathById(csidl::kBitBucket).has_value());
}

TEST(ShellFoldersWin32, ProgramsFolderByIdIsAnAbsoluteDrivePath) {
    ShellFoldersWin32 folders;
    const auto path = folders.FolderPathById(csidl::kPrograms);
    ASSERT_TRUE(path.has_value());
    ASSERT_GE(path->size(), 3u) << *path;
    EXPECT_TRUE(::IsCharAlphaA((*path)[0])) << *path;
    EXPECT_EQ(path->substr(1, 2), ":\\") << *path;
}

TEST(ShellFoldersWin32, ProfileMacrosNameTheProfilesThatTheStartMenusLieDeepIn) {
    ShellFoldersWin32 folders;
    const std::string user = Environment("USERPROFILE");
    const std::string allUsers = Environment("ALLUSERSPROFILE");
    ASSERT_FALSE(user.empty());
    ASSERT_FALSE(allUsers.empty());
    // Wine lays its folders out as Vista does.
    const auto startMenu = folders.FolderPath(csidl::kStartMenu);
    ASSERT_TRUE(startMenu.has_value());
    EXPECT_TRUE(EqualIgnoringCase(startMenu->substr(0, user.size() + 9), user + "\\AppData\\"))
        << *startMenu;
    const auto commonAppData = folders.FolderPath(csidl::kCommonAppData);
    ASSERT_TRUE(commonAppData.has_value());
    EXPECT_TRUE(EqualIgnoringCase(*commonAppData, allUsers)) << *commonAppData;

    std::string path = "[user]ntuser.dat|[alluser]x";
    core::ExpandPathMacros(path, folders);
    EXPECT_TRUE(EqualIgnoringCase(path, user + "\\ntuser.dat|" + allUsers + "\\x")) << path;
}

TEST(ShellFoldersWin32, UnknownFolderNumberFails) {
    ShellFoldersWin32 folders;
    EXPECT_FALSE(folders.FolderPath(0x7F).has_value());
    EXPECT_FALSE(folders.FolderPathById(0x7F).has_value());
}

}  // namespace
}  // namespace platform::win32

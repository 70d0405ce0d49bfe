#pragma once

// Shell special folders, asked for by their CSIDL number. Both forms of the
// platform's lookup are offered because callers depend on their differences:
// the path form does not create folders; the item-id form also resolves
// folders that exist only through the shell's namespace.

#include <optional>
#include <string>

namespace platform {

namespace csidl {
inline constexpr int kPrograms = 2;
inline constexpr int kPersonal = 5;
inline constexpr int kFavorites = 6;
inline constexpr int kStartup = 7;
inline constexpr int kRecent = 8;
inline constexpr int kSendTo = 9;
inline constexpr int kBitBucket = 10;
inline constexpr int kStartMenu = 11;
inline constexpr int kDesktopDirectory = 16;
inline constexpr int kFonts = 20;
inline constexpr int kTemplates = 21;
inline constexpr int kCommonStartMenu = 22;
inline constexpr int kCommonPrograms = 23;
inline constexpr int kCommonStartup = 24;
inline constexpr int kCommonDesktopDirectory = 25;
inline constexpr int kAppData = 26;
inline constexpr int kAltStartup = 29;
inline constexpr int kCommonAltStartup = 30;
inline constexpr int kLocalAppData = 28;
inline constexpr int kCommonFavorites = 31;
inline constexpr int kInternetCache = 32;
inline constexpr int kCookies = 33;
inline constexpr int kHistory = 34;
inline constexpr int kCommonAppData = 35;
inline constexpr int kWindows = 36;
inline constexpr int kSystem = 37;
inline constexpr int kProgramFiles = 38;
inline constexpr int kProfile = 40;
inline constexpr int kSystemX86 = 41;
inline constexpr int kProgramFilesX86 = 42;
inline constexpr int kProgramFilesCommon = 43;
inline constexpr int kProgramFilesCommonX86 = 44;
inline constexpr int kCommonTemplates = 45;
inline constexpr int kCommonDocuments = 46;
}  // namespace csidl

class ShellFolders {
public:
    virtual ~ShellFolders() = default;

    // The folder's path as the shell gives it (no trailing backslash added),
    // without creating the folder; nullopt when the shell has no path for it.
    [[nodiscard]] virtual std::optional<std::string> FolderPath(int csidl) = 0;

    // The same, resolved through the folder's item-id list.
    [[nodiscard]] virtual std::optional<std::string> FolderPathById(int csidl) = 0;

    // The profile shared by all users (no trailing backslash added); nullopt
    // when the platform has none. It has no folder number of its own.
    [[nodiscard]] virtual std::optional<std::string> AllUsersProfilePath() = 0;
};

}  // namespace platform

#include "fakes/fake_shell_folders.h"

namespace fakes {

namespace csidl = platform::csidl;

namespace {

// Neither layout has the alternate start-up folders: Vista and later have no
// such folders, and on XP they are defined only on some machines.

std::map<int, std::string> VistaFolders() {
    const std::string user = "C:\\Users\\alice";
    const std::string roaming = user + "\\AppData\\Roaming";
    const std::string local = user + "\\AppData\\Local";
    const std::string startMenu = roaming + "\\Microsoft\\Windows\\Start Menu";
    const std::string common = "C:\\ProgramData";
    const std::string commonStartMenu = common + "\\Microsoft\\Windows\\Start Menu";
    return {
        {csidl::kPrograms, startMenu + "\\Programs"},
        {csidl::kPersonal, user + "\\Documents"},
        {csidl::kFavorites, user + "\\Favorites"},
        {csidl::kStartup, startMenu + "\\Programs\\Startup"},
        {csidl::kRecent, roaming + "\\Microsoft\\Windows\\Recent"},
        {csidl::kSendTo, roaming + "\\Microsoft\\Windows\\SendTo"},
        {csidl::kStartMenu, startMenu},
        {csidl::kDesktopDirectory, user + "\\Desktop"},
        {csidl::kFonts, "C:\\Windows\\Fonts"},
        {csidl::kTemplates, roaming + "\\Microsoft\\Windows\\Templates"},
        {csidl::kCommonStartMenu, commonStartMenu},
        {csidl::kCommonPrograms, commonStartMenu + "\\Programs"},
        {csidl::kCommonStartup, commonStartMenu + "\\Programs\\Startup"},
        {csidl::kCommonDesktopDirectory, "C:\\Users\\Public\\Desktop"},
        {csidl::kAppData, roaming},
        // The shared favourites became the user's own.
        {csidl::kLocalAppData, local},
        {csidl::kCommonFavorites, user + "\\Favorites"},
        {csidl::kInternetCache, local + "\\Microsoft\\Windows\\INetCache"},
        {csidl::kCookies, local + "\\Microsoft\\Windows\\INetCookies"},
        {csidl::kHistory, local + "\\Microsoft\\Windows\\History"},
        {csidl::kCommonAppData, common},
        {csidl::kWindows, "C:\\Windows"},
        {csidl::kSystem, "C:\\Windows\\system32"},
        {csidl::kProgramFiles, "C:\\Program Files"},
        {csidl::kProfile, user},
        {csidl::kProgramFilesCommon, "C:\\Program Files\\Common Files"},
        {csidl::kCommonTemplates, common + "\\Microsoft\\Windows\\Templates"},
        {csidl::kCommonDocuments, "C:\\Users\\Public\\Documents"},
    };
}

std::map<int, std::string> XpFolders() {
    const std::string user = "C:\\Documents and Settings\\alice";
    const std::string local = user + "\\Local Settings";
    const std::string common = "C:\\Documents and Settings\\All Users";
    return {
        {csidl::kPrograms, user + "\\Start Menu\\Programs"},
        {csidl::kPersonal, user + "\\My Documents"},
        {csidl::kFavorites, user + "\\Favorites"},
        {csidl::kStartup, user + "\\Start Menu\\Programs\\Startup"},
        {csidl::kRecent, user + "\\Recent"},
        {csidl::kSendTo, user + "\\SendTo"},
        {csidl::kStartMenu, user + "\\Start Menu"},
        {csidl::kDesktopDirectory, user + "\\Desktop"},
        {csidl::kFonts, "C:\\WINDOWS\\Fonts"},
        {csidl::kTemplates, user + "\\Templates"},
        {csidl::kCommonStartMenu, common + "\\Start Menu"},
        {csidl::kCommonPrograms, common + "\\Start Menu\\Programs"},
        {csidl::kCommonStartup, common + "\\Start Menu\\Programs\\Startup"},
        {csidl::kCommonDesktopDirectory, common + "\\Desktop"},
        {csidl::kAppData, user + "\\Application Data"},
        {csidl::kLocalAppData, local + "\\Application Data"},
        {csidl::kCommonFavorites, common + "\\Favorites"},
        {csidl::kInternetCache, local + "\\Temporary Internet Files"},
        {csidl::kCookies, user + "\\Cookies"},
        {csidl::kHistory, local + "\\History"},
        {csidl::kCommonAppData, common + "\\Application Data"},
        {csidl::kWindows, "C:\\WINDOWS"},
        {csidl::kSystem, "C:\\WINDOWS\\system32"},
        {csidl::kProgramFiles, "C:\\Program Files"},
        {csidl::kProfile, user},
        {csidl::kProgramFilesCommon, "C:\\Program Files\\Common Files"},
        {csidl::kCommonTemplates, common + "\\Templates"},
        {csidl::kCommonDocuments, common + "\\Documents"},
    };
}

}  // namespace

FakeShellFolders::FakeShellFolders(Layout layout)
    : m_paths(layout == Layout::Vista ? VistaFolders() : XpFolders()),
      m_allUsersProfile(layout == Layout::Vista ? "C:\\ProgramData"
                                                : "C:\\Documents and Settings\\All Users") {}

std::optional<std::string> FakeShellFolders::FolderPath(int csidl) {
    ++lookups;
    const auto it = m_paths.find(csidl);
    if (it == m_paths.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<std::string> FakeShellFolders::FolderPathById(int csidl) {
    ++lookups;
    if (const auto it = m_idPaths.find(csidl); it != m_idPaths.end()) {
        return it->second;
    }
    return FolderPath(csidl);
}

std::optional<std::string> FakeShellFolders::AllUsersProfilePath() {
    ++lookups;
    return m_allUsersProfile;
}

}  // namespace fakes

#include "fakes/fake_shell_folders.h"

namespace fakes {

namespace csidl = platform::csidl;

FakeShellFolders::FakeShellFolders() {
    const std::string user = "C:\\Users\\alice";
    m_paths = {
        {csidl::kPrograms, user + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
        {csidl::kPersonal, user + "\\Documents"},
        {csidl::kFavorites, user + "\\Favorites"},
        {csidl::kStartup,
         user + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
        {csidl::kRecent, user + "\\AppData\\Roaming\\Microsoft\\Windows\\Recent"},
        {csidl::kSendTo, user + "\\AppData\\Roaming\\Microsoft\\Windows\\SendTo"},
        {csidl::kStartMenu, user + "\\Start Menu"},
        {csidl::kDesktopDirectory, user + "\\Desktop"},
        {csidl::kFonts, "C:\\Windows\\Fonts"},
        {csidl::kTemplates, user + "\\AppData\\Roaming\\Microsoft\\Windows\\Templates"},
        {csidl::kCommonStartMenu, "C:\\Users\\All Users\\Start Menu"},
        {csidl::kCommonPrograms, "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs"},
        {csidl::kCommonDesktopDirectory, "C:\\Users\\Public\\Desktop"},
        {csidl::kAppData, user + "\\AppData\\Roaming"},
        {csidl::kCommonFavorites, user + "\\Favorites"},
        {csidl::kInternetCache, user + "\\AppData\\Local\\Microsoft\\Windows\\INetCache"},
        {csidl::kCookies, user + "\\AppData\\Local\\Microsoft\\Windows\\INetCookies"},
        {csidl::kHistory, user + "\\AppData\\Local\\Microsoft\\Windows\\History"},
        {csidl::kCommonAppData, "C:\\ProgramData"},
        {csidl::kWindows, "C:\\Windows"},
        {csidl::kSystem, "C:\\Windows\\system32"},
        {csidl::kProgramFiles, "C:\\Program Files"},
        {csidl::kProgramFilesCommon, "C:\\Program Files\\Common Files"},
        {csidl::kCommonTemplates, "C:\\ProgramData\\Microsoft\\Windows\\Templates"},
        {csidl::kCommonDocuments, "C:\\Users\\Public\\Documents"},
    };
}

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

}  // namespace fakes

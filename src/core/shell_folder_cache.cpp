#include "core/shell_folder_cache.h"

namespace core {

std::optional<std::string> ShellFolderCache::FolderPath(int csidl) {
    auto it = m_paths.find(csidl);
    if (it == m_paths.end()) {
        it = m_paths.emplace(csidl, m_shell.FolderPath(csidl)).first;
    }
    return it->second;
}

std::optional<std::string> ShellFolderCache::FolderPathById(int csidl) {
    auto it = m_pathsById.find(csidl);
    if (it == m_pathsById.end()) {
        it = m_pathsById.emplace(csidl, m_shell.FolderPathById(csidl)).first;
    }
    return it->second;
}

std::optional<std::string> ShellFolderCache::AllUsersProfilePath() {
    if (!m_allUsersProfile) {
        m_allUsersProfile = m_shell.AllUsersProfilePath();
    }
    return *m_allUsersProfile;
}

}  // namespace core

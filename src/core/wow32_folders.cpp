#include "core/wow32_folders.h"

namespace core {

namespace {

namespace csidl = platform::csidl;

struct Twin {
    int folder;
    int twin;
};

constexpr Twin kTwins[] = {
    {csidl::kProgramFiles, csidl::kProgramFilesX86},
    {csidl::kProgramFilesCommon, csidl::kProgramFilesCommonX86},
    {csidl::kSystem, csidl::kSystemX86},
};

std::optional<int> TwinOf(int folder) {
    for (const Twin& pair : kTwins) {
        if (pair.folder == folder) {
            return pair.twin;
        }
    }
    return std::nullopt;
}

bool Usable(const std::optional<std::string>& path) {
    return path && !path->empty() && path->front() != '\0';
}

}  // namespace

std::optional<std::string> Wow32Folders::FolderPath(int csidl) {
    if (const std::optional<int> twin = TwinOf(csidl)) {
        std::optional<std::string> path = m_shell.FolderPath(*twin);
        if (Usable(path)) {
            return path;
        }
    }
    return m_shell.FolderPath(csidl);
}

std::optional<std::string> Wow32Folders::FolderPathById(int csidl) {
    if (const std::optional<int> twin = TwinOf(csidl)) {
        std::optional<std::string> path = m_shell.FolderPathById(*twin);
        if (Usable(path)) {
            return path;
        }
    }
    return m_shell.FolderPathById(csidl);
}

std::optional<std::string> Wow32Folders::AllUsersProfilePath() {
    return m_shell.AllUsersProfilePath();
}

}  // namespace core

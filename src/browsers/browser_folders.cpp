#include "browsers/browser_folders.h"

#include <algorithm>

#include "base/text.h"

namespace browsers {

std::optional<std::string> ShellFolder(platform::ShellFolders& folders, int csidl) {
    std::optional<std::string> path = folders.FolderPath(csidl);
    if (!path) {
        return std::nullopt;
    }
    path->resize(std::min(path->find('\0'), path->size()));
    while (!path->empty() && path->back() == '\\') {
        path->pop_back();
    }
    if (base::Trim(*path).empty()) {
        return std::nullopt;
    }
    return path;
}

bool IsFile(platform::FileSystem& fs, const std::string& path) {
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    return attributes && !attributes->directory && !attributes->reparsePoint;
}

bool IsRealFolder(platform::FileSystem& fs, const std::string& path) {
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    return attributes && attributes->directory && !attributes->reparsePoint;
}

}  // namespace browsers

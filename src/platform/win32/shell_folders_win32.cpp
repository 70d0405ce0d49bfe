#include "platform/win32/shell_folders_win32.h"

#include <array>
#include <cstring>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

template <std::size_t N>
std::string UpToNul(const std::array<char, N>& buffer) {
    return std::string(buffer.data(), ::strnlen(buffer.data(), buffer.size()));
}

}  // namespace

std::optional<std::string> ShellFoldersWin32::FolderPath(int csidl) {
    std::array<char, MAX_PATH> buffer{};
    if (!::SHGetSpecialFolderPathA(nullptr, buffer.data(), csidl, FALSE)) {
        return std::nullopt;
    }
    return UpToNul(buffer);
}

std::optional<std::string> ShellFoldersWin32::FolderPathById(int csidl) {
    UniqueItemIdList itemIds;
    if (FAILED(::SHGetSpecialFolderLocation(::GetDesktopWindow(), csidl, itemIds.Put()))) {
        return std::nullopt;
    }
    // Larger than MAX_PATH: the shell may hand back a longer path here.
    std::array<char, 1024> buffer{};
    if (!::SHGetPathFromIDListA(itemIds.Get(), buffer.data())) {
        return std::nullopt;
    }
    return UpToNul(buffer);
}

}  // namespace platform::win32

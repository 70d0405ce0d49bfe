#include "platform/win32/shell_folders_win32.h"

#include <array>
#include <cstring>

#include "platform/win32/handles.h"

#include <userenv.h>

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

std::optional<std::string> ShellFoldersWin32::AllUsersProfilePath() {
    // The shell's common folders do not lead to this folder on every version:
    // on XP it is the parent of the common application data ("...\All Users"),
    // on Vista and later the common application data itself (C:\ProgramData,
    // which took the place of "All Users"). The profile service answers on
    // both without a version test. Where it gives no answer (Wine has only a
    // stub) the environment's ALLUSERSPROFILE is taken, which the system sets
    // from the same profile list; the service comes first because a parent
    // process may have changed the environment.
    std::array<char, MAX_PATH> buffer{};
    DWORD size = static_cast<DWORD>(buffer.size());
    if (::GetAllUsersProfileDirectoryA(buffer.data(), &size)) {
        return UpToNul(buffer);
    }
    const DWORD length = ::GetEnvironmentVariableA("ALLUSERSPROFILE", buffer.data(),
                                                   static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) {
        return std::nullopt;
    }
    return UpToNul(buffer);
}

}  // namespace platform::win32

#include "platform/win32/file_system_win32.h"

#include <array>
#include <cstring>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

constexpr DWORD kNotNormal =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

}  // namespace

std::optional<std::string> FileSystemWin32::FirstNormalFileName(std::string_view path) {
    const std::string pattern(path);
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle find(::FindFirstFileA(pattern.c_str(), &entry));
    if (!find) {
        return std::nullopt;
    }
    do {
        if ((entry.dwFileAttributes & kNotNormal) == 0) {
            return std::string(entry.cFileName,
                               ::strnlen(entry.cFileName, sizeof(entry.cFileName)));
        }
    } while (::FindNextFileA(find.Get(), &entry));
    return std::nullopt;
}

bool FileSystemWin32::DirectoryExists(std::string_view path) {
    const std::string folder(path);
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> FileSystemWin32::ReadWholeFile(std::string_view path) {
    const std::string fileName(path);
    // Other programs may hold the file open for writing, or delete it meanwhile.
    UniqueFileHandle file(::CreateFileA(fileName.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string content;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0) {
        content.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    // Read until the end rather than trusting the size: the file may still grow.
    std::array<char, 64 * 1024> block{};
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file.Get(), block.data(), static_cast<DWORD>(block.size()), &read,
                        nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            return content;
        }
        content.append(block.data(), read);
    }
}

}  // namespace platform::win32

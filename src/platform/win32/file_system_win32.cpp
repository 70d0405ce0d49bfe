#include "platform/win32/file_system_win32.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/win32/handles.h"

#include <aclapi.h>
#include <sddl.h>

namespace platform::win32 {

namespace {

constexpr DWORD kNotNormal =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

// Writes every byte, in pieces that a DWORD can count.
bool WriteAll(HANDLE file, std::string_view content) {
    constexpr std::size_t kMaxPiece = 1u << 30;
    while (!content.empty()) {
        const auto piece = static_cast<DWORD>(std::min(content.size(), kMaxPiece));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), piece, &written, nullptr) || written == 0) {
            return false;
        }
        content.remove_prefix(written);
    }
    return true;
}

// Keeps the system from asking for a disk while a drive without one is probed.
class NoCriticalErrorDialogs {
public:
    NoCriticalErrorDialogs() noexcept : m_old(::GetErrorMode()) {
        ::SetErrorMode(m_old | SEM_FAILCRITICALERRORS);
    }
    ~NoCriticalErrorDialogs() { ::SetErrorMode(m_old); }
    NoCriticalErrorDialogs(const NoCriticalErrorDialogs&) = delete;
    NoCriticalErrorDialogs& operator=(const NoCriticalErrorDialogs&) = delete;

private:
    UINT m_old;
};

DriveType ToDriveType(UINT type) {
    switch (type) {
        case DRIVE_NO_ROOT_DIR:
            return DriveType::NoRootDirectory;
        case DRIVE_REMOVABLE:
            return DriveType::Removable;
        case DRIVE_FIXED:
            return DriveType::Fixed;
        case DRIVE_REMOTE:
            return DriveType::Network;
        case DRIVE_CDROM:
            return DriveType::CdRom;
        case DRIVE_RAMDISK:
            return DriveType::RamDisk;
        default:
            return DriveType::Unknown;
    }
}

// The pattern that lists every entry of a folder. A folder given with its
// trailing backslash (a drive's root) gets no second one.
std::string AllEntriesOf(std::string_view folder) {
    std::string pattern(folder);
    if (pattern.empty() || pattern.back() != '\\') {
        pattern += '\\';
    }
    pattern += '*';
    return pattern;
}

std::string_view NameOf(const WIN32_FIND_DATAA& entry) {
    return {entry.cFileName, ::strnlen(entry.cFileName, sizeof(entry.cFileName))};
}

// Whether a reparse point leads somewhere else (a junction, a mount point, a
// symbolic link) rather than holding its own content, as a cloud file's
// placeholder does. A reparse point whose tag the system does not tell (Wine
// shows Unix links so) counts as a link: following one could lead far outside
// the folder being walked.
bool IsLink(DWORD attributes, DWORD reparseTag) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return false;
    }
    return reparseTag == 0 || IsReparseTagNameSurrogate(reparseTag) != 0;
}

// The path without a backslash that ends it, unless that one makes a drive's
// root ("C:\").
std::string WithoutTrailingBackslash(std::string_view path) {
    if (path.size() > 1 && path.back() == '\\' && path[path.size() - 2] != ':') {
        path.remove_suffix(1);
    }
    return std::string(path);
}

// The reparse tag of the entry that the path names; 0 when it cannot be read.
// Only a search reports the tag.
DWORD ReparseTagOf(const std::string& path) {
    WIN32_FIND_DATAA entry{};
    const UniqueFindHandle find(::FindFirstFileA(path.c_str(), &entry));
    if (!find || (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return 0;
    }
    return entry.dwReserved0;
}

// The attributes that SetFileAttributes accepts back.
constexpr DWORD kSettable = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                            FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_TEMPORARY;

enum class EntryKind { File, Folder };

// Removes a file or folder that the read-only attribute protects: clears the
// attribute and removes it again. When that still fails the entry keeps its
// protection.
bool RemoveReadOnly(const std::string& path, EntryKind kind, BOOL(WINAPI* remove)(LPCSTR)) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
        return false;
    }
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder != (kind == EntryKind::Folder)) {
        return false;
    }
    const DWORD kept = attributes & kSettable;
    const DWORD writable = kept & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (!::SetFileAttributesA(path.c_str(), writable != 0 ? writable : FILE_ATTRIBUTE_NORMAL)) {
        return false;
    }
    if (remove(path.c_str())) {
        return true;
    }
    ::SetFileAttributesA(path.c_str(), kept);
    return false;
}

}  // namespace

std::optional<std::string> FileSystemWin32::FirstNormalFileName(std::string_view path) {
    const std::string pattern(path);
    // Most names asked for do not exist, and a failed attribute query is far
    // cheaper than opening a search; the listing below still decides
    // whether a name that is there counts.
    const bool wildcards =
        pattern.find('*') != std::string::npos || pattern.find('?') != std::string::npos;
    if (!wildcards && ::GetFileAttributesA(pattern.c_str()) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return std::nullopt;
        }
    }
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle find(::FindFirstFileA(pattern.c_str(), &entry));
    if (!find) {
        return std::nullopt;
    }
    do {
        if ((entry.dwFileAttributes & kNotNormal) == 0) {
            return std::string(NameOf(entry));
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

bool FileSystemWin32::WriteWholeFile(std::string_view path, std::string_view content) {
    const std::string fileName(path);
    UniqueFileHandle file(::CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.Get(), content);
}

bool FileSystemWin32::AppendToFile(std::string_view path, std::string_view content) {
    const std::string fileName(path);
    // Append-only access puts every write at the end, even when another
    // program appends to the same file.
    UniqueFileHandle file(::CreateFileA(fileName.c_str(), FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAll(file.Get(), content);
}

namespace {

class FileReaderWin32 final : public FileReader {
public:
    explicit FileReaderWin32(UniqueFileHandle file) : m_file(std::move(file)) {}

    std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
        DWORD read = 0;
        const auto piece = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        if (!::ReadFile(m_file.Get(), buffer, piece, &read, nullptr)) {
            return std::nullopt;
        }
        return read;
    }

private:
    UniqueFileHandle m_file;
};

class FileWriterWin32 final : public FileWriter {
public:
    explicit FileWriterWin32(UniqueFileHandle file) : m_file(std::move(file)) {}

    bool Write(std::string_view piece) override { return WriteAll(m_file.Get(), piece); }
    bool Flush() override { return ::FlushFileBuffers(m_file.Get()) != 0; }

private:
    UniqueFileHandle m_file;
};

}  // namespace

std::unique_ptr<FileReader> FileSystemWin32::OpenToRead(std::string_view path) {
    const std::string fileName(path);
    UniqueFileHandle file(::CreateFileA(
        fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return nullptr;
    }
    return std::make_unique<FileReaderWin32>(std::move(file));
}

std::unique_ptr<FileWriter> FileSystemWin32::CreateToWrite(std::string_view path) {
    const std::string fileName(path);
    UniqueFileHandle file(::CreateFileA(fileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return nullptr;
    }
    return std::make_unique<FileWriterWin32>(std::move(file));
}

bool FileSystemWin32::RemoveFile(std::string_view path) {
    const std::string fileName(path);
    if (::DeleteFileA(fileName.c_str())) {
        return true;
    }
    // A file in use or already gone refuses for other reasons, which clearing
    // the attribute would not change.
    return ::GetLastError() == ERROR_ACCESS_DENIED &&
           RemoveReadOnly(fileName, EntryKind::File, &::DeleteFileA);
}

bool FileSystemWin32::RenameFile(std::string_view from, std::string_view to) {
    const std::string source(from);
    const std::string target(to);
    return ::MoveFileA(source.c_str(), target.c_str()) != 0;
}

bool FileSystemWin32::MoveOver(std::string_view from, std::string_view to) {
    const std::string source(from);
    const std::string target(to);
    return ::MoveFileExA(source.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FileSystemWin32::MakeDirectory(std::string_view path) {
    const std::string folder(path);
    return ::CreateDirectoryA(folder.c_str(), nullptr) != 0 || DirectoryExists(path);
}

std::vector<DriveInfo> FileSystemWin32::ListDrives() {
    std::vector<DriveInfo> drives;
    const DWORD mask = ::GetLogicalDrives();
    const NoCriticalErrorDialogs noDialogs;
    for (int index = 0; index < 26; ++index) {
        if ((mask & (DWORD{1} << index)) == 0) {
            continue;
        }
        DriveInfo drive;
        drive.letter = static_cast<char>('A' + index);
        const std::string root = std::string(1, drive.letter) + ":\\";
        drive.type = ToDriveType(::GetDriveTypeA(root.c_str()));
        drive.ready = ::GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr,
                                              nullptr, 0) != 0;
        drives.push_back(drive);
    }
    return drives;
}

std::vector<std::string> FileSystemWin32::ListFiles(std::string_view folder) {
    const std::string pattern = AllEntriesOf(folder);
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle find(::FindFirstFileA(pattern.c_str(), &entry));
    if (!find) {
        return names;
    }
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(NameOf(entry));
        }
    } while (::FindNextFileA(find.Get(), &entry));
    return names;
}

std::optional<std::uint64_t> FileSystemWin32::FileSize(std::string_view path) {
    const std::string fileName(path);
    // Full sharing: the size of a file another program writes to is still wanted.
    UniqueFileHandle file(::CreateFileA(fileName.c_str(), 0,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::string> FileSystemWin32::ReadFileRange(std::string_view path,
                                                          std::uint64_t offset,
                                                          std::size_t length) {
    const std::string fileName(path);
    UniqueFileHandle file(::CreateFileA(fileName.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string content;
    // An offset that the file pointer cannot hold lies past every file's end.
    if (offset > static_cast<std::uint64_t>(INT64_MAX)) {
        return content;
    }
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    if (!::SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN)) {
        return std::nullopt;
    }
    // Read in pieces rather than reserving the length asked for, which may be
    // far more than the file holds.
    constexpr std::size_t kMaxPiece = 64 * 1024;
    while (content.size() < length) {
        const std::size_t start = content.size();
        const auto piece = static_cast<DWORD>(std::min(length - start, kMaxPiece));
        content.resize(start + piece);
        DWORD read = 0;
        if (!::ReadFile(file.Get(), content.data() + start, piece, &read, nullptr)) {
            return std::nullopt;
        }
        content.resize(start + read);
        if (read == 0) {
            break;
        }
    }
    return content;
}

namespace {

// A search kept open between the parts; the first entry comes with the
// search's opening.
class FindListing final : public platform::FolderListing {
public:
    FindListing(UniqueFindHandle find, const WIN32_FIND_DATAA& first)
        : m_find(std::move(find)), m_found(first), m_pending(static_cast<bool>(m_find)) {}

    std::optional<bool> Next(std::size_t most, std::vector<DirectoryEntry>& entries) override {
        for (; most > 0; --most) {
            if (!m_pending) {
                if (!m_find || !::FindNextFileA(m_find.Get(), &m_found)) {
                    // A listing broken off midway is not the folder's content.
                    const bool ended = !m_find || ::GetLastError() == ERROR_NO_MORE_FILES;
                    m_find = UniqueFindHandle();
                    return ended ? std::optional<bool>(false) : std::nullopt;
                }
            }
            m_pending = false;
            const std::string_view name = NameOf(m_found);
            if (name == "." || name == "..") {
                ++most;
                continue;
            }
            const DWORD attributes = m_found.dwFileAttributes;
            DirectoryEntry& entry = entries.emplace_back();
            entry.name = name;
            entry.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            entry.reparsePoint = IsLink(attributes, m_found.dwReserved0);
            entry.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
            entry.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
            entry.system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        }
        return true;
    }

private:
    UniqueFindHandle m_find;
    WIN32_FIND_DATAA m_found;
    bool m_pending;
};

}  // namespace

std::unique_ptr<platform::FolderListing> FileSystemWin32::ListInParts(std::string_view folder) {
    const std::string pattern = AllEntriesOf(folder);
    WIN32_FIND_DATAA found{};
    UniqueFindHandle find(::FindFirstFileA(pattern.c_str(), &found));
    if (!find) {
        // A drive's empty root has no entries at all, not even "." and "..".
        if (::GetLastError() == ERROR_FILE_NOT_FOUND && DirectoryExists(folder)) {
            return std::make_unique<FindListing>(UniqueFindHandle(), found);
        }
        return nullptr;
    }
    return std::make_unique<FindListing>(std::move(find), found);
}

std::optional<std::vector<DirectoryEntry>> FileSystemWin32::ListEntries(std::string_view folder) {
    const std::unique_ptr<platform::FolderListing> listing = ListInParts(folder);
    if (!listing) {
        return std::nullopt;
    }
    std::vector<DirectoryEntry> entries;
    for (;;) {
        const std::optional<bool> more = listing->Next(1024, entries);
        if (!more) {
            return std::nullopt;
        }
        if (!*more) {
            return entries;
        }
    }
}

namespace {

struct LocalMemoryDeleter {
    void operator()(void* memory) const noexcept { ::LocalFree(memory); }
};
using LocalMemory = std::unique_ptr<void, LocalMemoryDeleter>;

// The system, the administrators and the installer service: the accounts
// that may change what the setup put into Program Files.
bool IsAdministrative(PSID sid) {
    char* text = nullptr;
    if (sid == nullptr || !::ConvertSidToStringSidA(sid, &text)) {
        return false;
    }
    const LocalMemory owned(text);
    const std::string_view name(text);
    return name == "S-1-5-18" || name == "S-1-5-32-544" ||
           name == "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";
}

// Rights that let an account put other content at the path.
constexpr ACCESS_MASK kChangeRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD |
                                      DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE |
                                      GENERIC_ALL;

}  // namespace

WriteAccess FileSystemWin32::WhoMayWrite(std::string_view path) {
    const std::string name = WithoutTrailingBackslash(path);
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetNamedSecurityInfoA(name.c_str(), SE_FILE_OBJECT,
                                OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                                nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS) {
        return WriteAccess::Unknown;
    }
    const LocalMemory owned(descriptor);
    // The owner may always rewrite the permissions, and no list at all lets
    // everyone in.
    if (!IsAdministrative(owner) || dacl == nullptr) {
        return WriteAccess::AlsoUsers;
    }
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        void* entry = nullptr;
        if (!::GetAce(dacl, index, &entry)) {
            return WriteAccess::Unknown;
        }
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        if ((header->AceFlags & INHERIT_ONLY_ACE) != 0 ||
            header->AceType == ACCESS_DENIED_ACE_TYPE ||
            header->AceType == ACCESS_DENIED_CALLBACK_ACE_TYPE ||
            header->AceType == SYSTEM_AUDIT_ACE_TYPE) {
            continue;
        }
        // Denials are not weighed against grants: a grant is enough to
        // count, which errs on the safe side.
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE &&
            header->AceType != ACCESS_ALLOWED_CALLBACK_ACE_TYPE) {
            return WriteAccess::AlsoUsers;
        }
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        if ((allowed->Mask & kChangeRights) != 0 &&
            !IsAdministrative(reinterpret_cast<PSID>(&allowed->SidStart))) {
            return WriteAccess::AlsoUsers;
        }
    }
    return WriteAccess::AdministratorsOnly;
}

std::optional<PathAttributes> FileSystemWin32::Attributes(std::string_view path) {
    // A link named with a trailing backslash would be passed through to what
    // it points at; without it the query reports the entry itself.
    const std::string name = WithoutTrailingBackslash(path);
    const DWORD attributes = ::GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    // A trailing backslash names a folder, never a file.
    if (name.size() != path.size() && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return std::nullopt;
    }
    const DWORD tag = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? ReparseTagOf(name) : 0;
    PathAttributes result;
    result.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    result.reparsePoint = IsLink(attributes, tag);
    result.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    result.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    result.system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!result.directory && ::GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) {
        result.lastWrite = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime;
    }
    return result;
}

bool FileSystemWin32::CopyFileTo(std::string_view from, std::string_view to) {
    const std::string source(from);
    const std::string target(to);
    // Only a target known to be absent may be removed after a failed copy:
    // whatever was there before is someone else's.
    if (::GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const DWORD absence = ::GetLastError();
    if (absence != ERROR_FILE_NOT_FOUND && absence != ERROR_PATH_NOT_FOUND) {
        return false;
    }
    if (::CopyFileA(source.c_str(), target.c_str(), TRUE)) {
        return true;
    }
    // A copy that failed midway (a read error) leaves a partial target behind;
    // one that found the target made meanwhile by another program left it alone.
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
        [[maybe_unused]] const bool removed = RemoveFile(to);
    }
    return false;
}

bool FileSystemWin32::RemoveFolder(std::string_view path) {
    const std::string folder(path);
    // For a junction or a symbolic link the system removes the link itself and
    // leaves what it points at.
    if (::RemoveDirectoryA(folder.c_str())) {
        return true;
    }
    return ::GetLastError() == ERROR_ACCESS_DENIED &&
           RemoveReadOnly(folder, EntryKind::Folder, &::RemoveDirectoryA);
}

bool FileSystemWin32::SetFolderAttributes(std::string_view path, bool readOnly, bool hidden,
                                          bool system) {
    const std::string folder = WithoutTrailingBackslash(path);
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        return false;
    }
    constexpr DWORD kChanged =
        FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    DWORD wanted = attributes & kSettable & ~kChanged;
    wanted |= (readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (hidden ? FILE_ATTRIBUTE_HIDDEN : 0) |
              (system ? FILE_ATTRIBUTE_SYSTEM : 0);
    return ::SetFileAttributesA(folder.c_str(), wanted != 0 ? wanted : FILE_ATTRIBUTE_NORMAL) != 0;
}

}  // namespace platform::win32

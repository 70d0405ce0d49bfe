#pragma once

// The file system with Windows semantics: names compare without regard to
// case, and a plain directory listing skips hidden, system and folder entries.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

enum class DriveType { Unknown, NoRootDirectory, Removable, Fixed, Network, CdRom, RamDisk };

struct DriveInfo {
    char letter = 'C';
    DriveType type = DriveType::Unknown;
    bool ready = false;  // a volume is mounted and can be read
};

// Who may change what is at a path: write into it, delete it, or change
// its permissions or its owner.
enum class WriteAccess {
    AdministratorsOnly,  // the system and the administrators, no one else
    AlsoUsers,           // some account that is not an administrator too
    Unknown,             // nothing there, or its security cannot be read
};

// One entry of a folder as the platform lists it.
struct DirectoryEntry {
    std::string name;
    bool directory = false;
    // A junction, a mount point or a symbolic link: what it points at lies
    // outside the folder, so tree walks never follow it.
    bool reparsePoint = false;
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
};

// The attributes of one path itself (a link is not followed).
struct PathAttributes {
    bool directory = false;
    bool reparsePoint = false;
    bool readOnly = false;
    bool hidden = false;
    bool system = false;
    // When a file's content was last written, in the platform's 100 ns steps
    // since 1601; 0 when unknown and for folders. Only for comparing files.
    std::uint64_t lastWrite = 0;
};

// A file open for reading from its start, block by block.
class FileReader {
public:
    virtual ~FileReader() = default;
    // Up to `size` bytes into `buffer`: how many, 0 at the end of the file,
    // nullopt when the read failed.
    [[nodiscard]] virtual std::optional<std::size_t> Read(char* buffer, std::size_t size) = 0;
};

// A file open for writing from its start, piece by piece.
class FileWriter {
public:
    virtual ~FileWriter() = default;
    // Appends the piece; false when it could not be written whole.
    [[nodiscard]] virtual bool Write(std::string_view piece) = 0;
    // Returns once everything written is on the disk itself, not only in a
    // cache that a power cut would lose; false when it could not.
    [[nodiscard]] virtual bool Flush() = 0;
};

// A folder's entries read a part at a time, the folder staying open in
// between, so that a large folder can be read while other work goes on.
class FolderListing {
public:
    virtual ~FolderListing() = default;
    // Up to `most` more entries (never "." or "..") appended to `entries`:
    // true while more may follow, false when the list ended, nullopt when it
    // broke off, so that what was read is not the folder's content.
    [[nodiscard]] virtual std::optional<bool> Next(std::size_t most,
                                                   std::vector<DirectoryEntry>& entries) = 0;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Lists the directory for exactly this path (a file name or a wildcard
    // pattern) and returns the first entry that is a normal file: entries that
    // are hidden, system files or folders are not returned. nullopt when none
    // is found or the path is invalid.
    [[nodiscard]] virtual std::optional<std::string> FirstNormalFileName(std::string_view path) = 0;

    // Whether the folder exists (hidden folders included).
    [[nodiscard]] virtual bool DirectoryExists(std::string_view path) = 0;

    // The whole content of a file, or nullopt when it cannot be read.
    [[nodiscard]] virtual std::optional<std::string> ReadWholeFile(std::string_view path) = 0;

    // Replaces the file's content (creating the file); false on failure.
    [[nodiscard]] virtual bool WriteWholeFile(std::string_view path, std::string_view content) = 0;
    // Appends to the file (creating it); false on failure.
    [[nodiscard]] virtual bool AppendToFile(std::string_view path, std::string_view content) = 0;
    // For files too large to hold whole: the file open for reading (others
    // may go on reading and writing it), or nullptr when it cannot be opened.
    [[nodiscard]] virtual std::unique_ptr<FileReader> OpenToRead(std::string_view path) = 0;
    // The file created empty (replacing one there) and open for writing, or
    // nullptr when it cannot be created.
    [[nodiscard]] virtual std::unique_ptr<FileWriter> CreateToWrite(std::string_view path) = 0;

    // Deletes a file (read-only ones too); false when it could not.
    [[nodiscard]] virtual bool RemoveFile(std::string_view path) = 0;
    // Moves or renames a file, or a folder with its content within its
    // drive; fails when the target exists.
    [[nodiscard]] virtual bool RenameFile(std::string_view from, std::string_view to) = 0;
    // Moves a file onto another path in one step, replacing the file there
    // (if any) so that the path always names either the old or the new
    // content, and flushes the move to disk; false when it could not.
    [[nodiscard]] virtual bool MoveOver(std::string_view from, std::string_view to) = 0;
    // Creates a folder whose parent exists; true when it exists afterwards.
    [[nodiscard]] virtual bool MakeDirectory(std::string_view path) = 0;

    // The computer's drives, in letter order.
    [[nodiscard]] virtual std::vector<DriveInfo> ListDrives() = 0;

    // The names of the files in a folder, hidden ones included, in the
    // platform's listing order; folders are not listed. Empty when the folder
    // cannot be listed.
    [[nodiscard]] virtual std::vector<std::string> ListFiles(std::string_view folder) = 0;

    // The size of a file in bytes; nullopt when it cannot be read.
    [[nodiscard]] virtual std::optional<std::uint64_t> FileSize(std::string_view path) = 0;
    // Up to `length` bytes from `offset`; fewer at the end of the file, and
    // nullopt when the file cannot be read.
    [[nodiscard]] virtual std::optional<std::string> ReadFileRange(std::string_view path,
                                                                   std::uint64_t offset,
                                                                   std::size_t length) = 0;

    // Every entry of a folder except "." and "..", hidden and system ones
    // included, in the platform's listing order; nullopt when the folder
    // cannot be listed.
    [[nodiscard]] virtual std::optional<std::vector<DirectoryEntry>> ListEntries(
        std::string_view folder) = 0;
    // The same entries in parts; nullptr when the folder cannot be listed.
    // By default the whole folder is read at once and handed out in parts.
    [[nodiscard]] virtual std::unique_ptr<FolderListing> ListInParts(std::string_view folder);

    // The attributes of the path itself; nullopt when nothing is there.
    [[nodiscard]] virtual std::optional<PathAttributes> Attributes(std::string_view path) = 0;

    // Who may change the file or folder itself (a link is not followed).
    [[nodiscard]] virtual WriteAccess WhoMayWrite(std::string_view path) = 0;

    // Copies a file's bytes and attributes to a new file; fails, leaving
    // nothing behind, when the target exists or the source cannot be read
    // whole.
    [[nodiscard]] virtual bool CopyFileTo(std::string_view from, std::string_view to) = 0;

    // Removes an empty folder, or a link to a folder without touching what
    // the link points at; read-only folders too. False when it could not.
    [[nodiscard]] virtual bool RemoveFolder(std::string_view path) = 0;

    // Gives a folder (not a link) these read-only, hidden and system
    // attributes; its others stay as they are. False when it could not.
    [[nodiscard]] virtual bool SetFolderAttributes(std::string_view path, bool readOnly,
                                                   bool hidden, bool system) = 0;
};

// A folder read whole, handed out in parts.
class WholeFolderListing final : public FolderListing {
public:
    explicit WholeFolderListing(std::vector<DirectoryEntry> entries)
        : m_entries(std::move(entries)) {}

    [[nodiscard]] std::optional<bool> Next(std::size_t most,
                                           std::vector<DirectoryEntry>& entries) override {
        for (; m_next < m_entries.size() && most > 0; ++m_next, --most) {
            entries.push_back(std::move(m_entries[m_next]));
        }
        return m_next < m_entries.size();
    }

private:
    std::vector<DirectoryEntry> m_entries;
    std::size_t m_next = 0;
};

inline std::unique_ptr<FolderListing> FileSystem::ListInParts(std::string_view folder) {
    std::optional<std::vector<DirectoryEntry>> entries = ListEntries(folder);
    if (!entries) {
        return nullptr;
    }
    return std::make_unique<WholeFolderListing>(std::move(*entries));
}

}  // namespace platform

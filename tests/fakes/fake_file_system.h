#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/file_system.h"

namespace fakes {

// An in-memory file system with Windows naming: paths compare without regard
// to case, and files can be hidden or system files, or locked by another
// program. Writes create the folders they need. A folder can refuse every
// change inside it, as the program's folder does for a standard user.
class FakeFileSystem : public platform::FileSystem {
public:
    std::optional<std::string> FirstNormalFileName(std::string_view path) override;
    bool DirectoryExists(std::string_view path) override;
    std::optional<std::string> ReadWholeFile(std::string_view path) override;
    bool WriteWholeFile(std::string_view path, std::string_view content) override;
    bool AppendToFile(std::string_view path, std::string_view content) override;
    // The reader fails once the file is gone; the writer appends each piece
    // and leaves the file `unflushed` until it is flushed.
    std::unique_ptr<platform::FileReader> OpenToRead(std::string_view path) override;
    std::unique_ptr<platform::FileWriter> CreateToWrite(std::string_view path) override;
    bool RemoveFile(std::string_view path) override;
    // Fails also when the target's folder is missing or the source is locked.
    // A folder moves with everything below it, unless a file in it is locked.
    bool RenameFile(std::string_view from, std::string_view to) override;
    // Fails when either file is locked or the target is a folder.
    bool MoveOver(std::string_view from, std::string_view to) override;
    bool MakeDirectory(std::string_view path) override;
    std::vector<platform::DriveInfo> ListDrives() override { return drives; }
    // Listed in path order; unreadable files are listed too.
    std::vector<std::string> ListFiles(std::string_view folder) override;
    std::optional<std::uint64_t> FileSize(std::string_view path) override;
    std::optional<std::string> ReadFileRange(std::string_view path, std::uint64_t offset,
                                             std::size_t length) override;
    // Listed in path order.
    std::optional<std::vector<platform::DirectoryEntry>> ListEntries(
        std::string_view folder) override;
    std::optional<platform::PathAttributes> Attributes(std::string_view path) override;
    platform::WriteAccess WhoMayWrite(std::string_view path) override;
    // Fails when the source is unreadable, the target exists, its folder is
    // missing, or `copiesLeft` has run out.
    bool CopyFileTo(std::string_view from, std::string_view to) override;
    bool RemoveFolder(std::string_view path) override;
    // Fails for a link and where writes are refused.
    bool SetFolderAttributes(std::string_view path, bool readOnly, bool hidden,
                             bool system) override;

    struct File {
        std::string path;  // as written
        std::string content;
        bool hidden = false;
        bool system = false;
        bool unreadable = false;
        bool locked = false;  // in use elsewhere: cannot be written, deleted or moved
        // Its deletion reports success and leaves it, as where a program
        // that guards it puts it back at once.
        bool deletionKept = false;
        bool readOnly = false;
        // Written by a writer and not flushed since: a power cut would lose
        // the content. A move takes it along.
        bool unflushed = false;
        // When the content was last written: each write and each added file
        // counts one step on, so a file written later reads as newer; a copy
        // keeps its source's, as on a real disk.
        std::uint64_t written = 0;
    };

    // Adds or replaces a file; its folders come into being with it.
    File& AddFile(std::string path, std::string content = {});
    void AddDirectory(std::string path);
    // A junction at `path` to the folder `target`: paths through it reach the
    // target's content, as they do on a real disk.
    void AddLink(std::string path, std::string target);
    void Remove(std::string_view path);
    [[nodiscard]] const File* Find(std::string_view path) const;
    [[nodiscard]] File* Find(std::string_view path);
    [[nodiscard]] bool HasLink(std::string_view path) const;
    // Nothing in the folder or below it can be written, made, moved or
    // deleted; reading goes on.
    void RefuseWritesUnder(std::string folder);
    // The folder cannot be listed (a standard user's right to list it is
    // refused), while the files in it can still be reached by name.
    void RefuseListing(std::string folder);
    // Who may change things, as a fresh Windows sets it: the program and
    // system folders and all users' Start menu and desktop only the
    // administrators, everything else users too,
    // unless a folder (and what is below it) was given to users.
    void LetUsersWrite(std::string folder);

    std::vector<platform::DriveInfo> drives{{'C', platform::DriveType::Fixed, true}};
    int reads = 0;  // whole-file and range reads asked for, failed ones too
    // Runs before each whole-file read with its path: another program
    // changing a file between two reads of it.
    std::function<void(std::string_view path)> beforeWholeRead;
    // Runs after a file is moved, with its new path: another program acting
    // on what arrives there.
    std::function<void(std::string_view path)> afterFileMoved;
    int copiesLeft = -1;  // copies that may still succeed; below 0 without limit
    // The narrow API's path limit (259): a longer path can be neither written,
    // made, moved nor deleted. 0 for none.
    std::size_t longestPath = 0;

private:
    [[nodiscard]] bool FolderExists(std::string_view path) const;
    [[nodiscard]] bool ParentExists(std::string_view path) const;
    [[nodiscard]] bool WriteRefused(std::string_view path) const;
    [[nodiscard]] bool RenameFolder(std::string_view from, std::string_view to);
    // The path with every link on the way replaced by its target; the last
    // part itself only when `followLast`.
    [[nodiscard]] std::string Real(std::string_view path, bool followLast = true) const;

    // Hashed, since large scans look names up by the hundred thousand; the
    // listings sort what they return, as a file system's directory would.
    std::unordered_map<std::string, File> m_files;  // by upper-cased path
    // By upper-cased path, each with its name as first written, as a real
    // directory keeps the case it was made with.
    std::unordered_map<std::string, std::string> m_directories;
    std::unordered_map<std::string, std::string> m_links;  // upper-cased path to target
    struct FolderAttributes {
        bool readOnly = false;
        bool hidden = false;
        bool system = false;
    };
    // By upper-cased path: the folders given any of these attributes.
    std::unordered_map<std::string, FolderAttributes> m_folderAttributes;
    std::uint64_t m_lastWrite = 0;
    std::vector<std::string> m_readOnlyFolders;  // upper-cased paths
    std::vector<std::string> m_usersFolders;     // upper-cased paths
    std::vector<std::string> m_unlistedFolders;  // upper-cased paths
};

}  // namespace fakes

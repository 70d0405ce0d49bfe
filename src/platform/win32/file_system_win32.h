#pragma once

// The file system port on the Win32 file API, with its listing rules: a
// directory listing of exactly the given path, skipping hidden, system and
// folder entries, while a folder's list of files names hidden and system files
// too. Drives are probed without the system's "insert a disk" prompt. Links
// (junctions, mount points, symbolic links) are reported, never followed by
// the removal calls.

#include "platform/file_system.h"

namespace platform::win32 {

class FileSystemWin32 : public platform::FileSystem {
public:
    [[nodiscard]] std::optional<std::string> FirstNormalFileName(std::string_view path) override;
    [[nodiscard]] bool DirectoryExists(std::string_view path) override;
    [[nodiscard]] std::optional<std::string> ReadWholeFile(std::string_view path) override;
    [[nodiscard]] bool WriteWholeFile(std::string_view path, std::string_view content) override;
    [[nodiscard]] bool AppendToFile(std::string_view path, std::string_view content) override;
    [[nodiscard]] std::unique_ptr<FileReader> OpenToRead(std::string_view path) override;
    [[nodiscard]] std::unique_ptr<FileWriter> CreateToWrite(std::string_view path) override;
    [[nodiscard]] bool RemoveFile(std::string_view path) override;
    [[nodiscard]] bool RenameFile(std::string_view from, std::string_view to) override;
    [[nodiscard]] bool MoveOver(std::string_view from, std::string_view to) override;
    [[nodiscard]] bool MakeDirectory(std::string_view path) override;
    [[nodiscard]] std::vector<DriveInfo> ListDrives() override;
    [[nodiscard]] std::vector<std::string> ListFiles(std::string_view folder) override;
    [[nodiscard]] std::optional<std::uint64_t> FileSize(std::string_view path) override;
    [[nodiscard]] std::optional<std::string> ReadFileRange(std::string_view path,
                                                           std::uint64_t offset,
                                                           std::size_t length) override;
    [[nodiscard]] std::optional<std::vector<DirectoryEntry>> ListEntries(
        std::string_view folder) override;
    [[nodiscard]] std::unique_ptr<platform::FolderListing> ListInParts(
        std::string_view folder) override;
    [[nodiscard]] std::optional<PathAttributes> Attributes(std::string_view path) override;
    [[nodiscard]] WriteAccess WhoMayWrite(std::string_view path) override;
    [[nodiscard]] bool CopyFileTo(std::string_view from, std::string_view to) override;
    [[nodiscard]] bool RemoveFolder(std::string_view path) override;
    [[nodiscard]] bool SetFolderAttributes(std::string_view path, bool readOnly, bool hidden,
                                           bool system) override;
};

}  // namespace platform::win32

#pragma once

// The file system port on the Win32 file API, with its listing rules: a
// directory listing of exactly the given path, skipping hidden, system and
// folder entries.

#include "platform/file_system.h"

namespace platform::win32 {

class FileSystemWin32 : public platform::FileSystem {
public:
    [[nodiscard]] std::optional<std::string> FirstNormalFileName(std::string_view path) override;
    [[nodiscard]] bool DirectoryExists(std::string_view path) override;
    [[nodiscard]] std::optional<std::string> ReadWholeFile(std::string_view path) override;
};

}  // namespace platform::win32

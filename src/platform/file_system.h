#pragma once

// The file system with Windows semantics: names compare without regard to
// case, and a plain directory listing skips hidden, system and folder entries.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

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
};

}  // namespace platform

#pragma once

// What the running program knows about its own file: its folder, its base
// name, its version resource, and whether another copy is already running.

#include <string>

namespace platform {

struct VersionResource {
    std::string productName;
    std::string companyName;
    std::string comments;
    int major = 0;
    int minor = 0;
};

class ProgramFile {
public:
    virtual ~ProgramFile() = default;

    // The program file's full path, as it is on disk.
    [[nodiscard]] virtual std::string Path() = 0;
    // The folder that holds the program file, without a trailing backslash.
    [[nodiscard]] virtual std::string Folder() = 0;
    // The program file's name without folder and extension.
    [[nodiscard]] virtual std::string BaseName() = 0;
    // Fields that the version resource lacks are empty (or 0).
    [[nodiscard]] virtual VersionResource ReadVersionResource() = 0;
    // True when another instance of this program is already running.
    [[nodiscard]] virtual bool PreviousInstanceRunning() = 0;
};

}  // namespace platform

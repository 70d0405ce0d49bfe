#pragma once

// Where browsers keep their profiles, and the test that a path there is a
// plain file or folder: a link could lead the readers anywhere on the disk.

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/shell_folders.h"

namespace browsers {

// The shell's folder without a trailing backslash; nullopt when the shell
// has none or it is blank.
[[nodiscard]] std::optional<std::string> ShellFolder(platform::ShellFolders& folders, int csidl);

// True for a file, or a folder, that is not a link.
[[nodiscard]] bool IsFile(platform::FileSystem& fs, const std::string& path);
[[nodiscard]] bool IsRealFolder(platform::FileSystem& fs, const std::string& path);

}  // namespace browsers

#pragma once

// Folder macros such as "[windir]" and "[appdata]" in the paths of the
// definition files and of the data folder, and their expansion through the
// shell's special folders.

#include <string>

#include "platform/shell_folders.h"

namespace core {

// The special folder's path followed by a backslash, or "" when the shell
// has no path for it.
[[nodiscard]] std::string GetSpecialFolder(platform::ShellFolders& shell, int csidl);

// The same through the folder's item-id list; a backslash is added only when
// the path has none.
[[nodiscard]] std::string GetSpecialFolderById(platform::ShellFolders& shell, int csidl);

// The root of the system drive, such as "C:\".
[[nodiscard]] std::string SystemDriveRoot(platform::ShellFolders& shell);

// Replaces the thirty folder macros in their fixed order and leaves the result
// in `path` as well as returning it.
std::string& ExpandPathMacros(std::string& path, platform::ShellFolders& shell);

// "[drive]", then the folder macros, then every doubled backslash collapsed
// to one in a single left-to-right pass.
[[nodiscard]] std::string ExpandDefinitionPath(std::string path, platform::ShellFolders& shell);

}  // namespace core

#pragma once

// Copying and deleting whole folders without ever following a link. A
// threat's folder may hold a junction or a symbolic link to a folder of the
// user's; walking into it would copy, and then delete, the user's files.
// A link is deleted itself and never copied: what it points at stays.

#include <string_view>

#include "platform/file_system.h"

namespace removal {

// True when a folder on the way to the path (not the path itself) is a link:
// the path then names something outside the place it seems to be.
[[nodiscard]] bool RunsThroughLink(platform::FileSystem& fs, std::string_view path);

// Copies the folder's files and folders, hidden ones included, into a new
// folder `to`, each folder with its read-only, hidden and system attributes
// as files keep theirs; links are left out. True when everything was copied.
[[nodiscard]] bool CopyFolderTree(platform::FileSystem& fs, std::string_view from,
                                  std::string_view to);

// Deletes the folder with everything in it, read-only files included; a
// link inside is removed as a link. True when the folder is gone.
bool DeleteFolderTree(platform::FileSystem& fs, std::string_view path);

}  // namespace removal

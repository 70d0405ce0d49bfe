#pragma once

// Small file-system predicates shared by the whole program.

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace core {

// True only when a directory listing of exactly this path returns a normal
// file of the same name: hidden and system files, folders and wildcard
// patterns all give false.
[[nodiscard]] bool FileExists(platform::FileSystem& fs, std::string_view path);

// The text after the last backslash; the whole text when there is none.
[[nodiscard]] std::string FileNameOf(std::string_view path);

[[nodiscard]] bool DirectoryExists(platform::FileSystem& fs, std::string_view path);

}  // namespace core

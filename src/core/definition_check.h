#pragma once

// Whether the required definition files are all there, and their removal so
// that the next update fetches the whole set.

#include <string_view>

#include "platform/file_system.h"

namespace definitions {

// True when the five required definition files exist; nothing is changed.
[[nodiscard]] bool DefinitionFilesPresent(platform::FileSystem& fs, std::string_view dataFolder);

// True when the five required definition files exist; at the first missing
// one the definition set (and its date) is deleted and the answer is false.
[[nodiscard]] bool CheckDefinitionFiles(platform::FileSystem& fs, std::string_view dataFolder);

// Deletes the five definition files and "date.dat"; the safe list and the
// exclusions stay.
void DeleteDefinitionFiles(platform::FileSystem& fs, std::string_view dataFolder);

}  // namespace definitions

#pragma once

// Puts staged copies of definition files ("DL" and the file's name) in place
// of the files they stand for.

#include <string_view>

#include "platform/file_system.h"

namespace definitions {

// Promotes the staged copies of the cookie, registry, file and executable
// definitions, in that order; other staged copies stay where they are.
void PromoteDownloadedDefinitions(platform::FileSystem& fs, std::string_view dataFolder);

}  // namespace definitions

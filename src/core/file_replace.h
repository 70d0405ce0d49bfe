#pragma once

// Replacing a file's whole content so that an interruption at any moment
// leaves either the old content or the new one, never a missing or
// half-written file: the new content goes into a scratch file beside it,
// which then takes the file's place in one step.

#include <string_view>

#include "platform/file_system.h"

namespace core {

// Writes the content to `scratchPath` (emptied first) and moves it over
// `path`. On failure the file keeps its old content and the scratch file is
// removed; false then.
bool ReplaceFileContent(platform::FileSystem& fs, std::string_view path, std::string_view content,
                        std::string_view scratchPath);

}  // namespace core

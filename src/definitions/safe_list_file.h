#pragma once

// Reading the safe list from its file in the data folder.

#include <string_view>

#include "core/safe_list.h"
#include "platform/file_system.h"
#include "platform/shell_folders.h"
#include "platform/text_codec.h"

namespace definitions {

// Rebuilds the list from "Safety.dat" in the data folder; the reading stops
// early when `stopRequested` becomes true.
void LoadSafeList(SafeList& list, platform::FileSystem& fs, platform::ShellFolders& shell,
                  platform::TextCodec& codec, std::string_view dataFolder, std::string_view drive,
                  const bool& stopRequested);

}  // namespace definitions

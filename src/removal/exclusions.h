#pragma once

// The user's exclusion list: names and locations declared harmless, one per
// line of "ENoSignature.dat" in the data folder.

#include <string>
#include <string_view>

#include "platform/event_loop.h"
#include "platform/file_system.h"

namespace removal {

// Every line of the exclusion file that is not blank, as written, each
// followed by "|"; empty when the file does not exist.
[[nodiscard]] std::string LoadExclusions(platform::FileSystem& fs, platform::EventLoop& loop,
                                         std::string_view dataFolder);

}  // namespace removal

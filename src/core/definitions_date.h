#pragma once

// The date of the installed definitions: the first line of "date.dat".

#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace definitions {

// The date that stands when "date.dat" does not exist.
inline constexpr std::string_view kDefaultDefinitionsDate = "3/16/2006 12:00:00 AM";

[[nodiscard]] std::string ReadDefinitionsDate(platform::FileSystem& fs,
                                              std::string_view dataFolder);

// Replaces "date.dat" with the text as its only line.
void WriteDefinitionsDate(platform::FileSystem& fs, std::string_view dataFolder,
                          std::string_view text);

}  // namespace definitions

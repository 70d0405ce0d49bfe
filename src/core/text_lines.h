#pragma once

// The program's text files: lines ended by CR LF. Readers also accept a bare
// CR or LF as a line end, so that a file edited on another system reads the
// same.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/text_codec.h"

namespace core {

// The lines of a text; a line end at the very end adds no empty line.
[[nodiscard]] std::vector<std::string> TextLines(std::string_view text);

// The lines of a file, or nullopt when it cannot be read.
[[nodiscard]] std::optional<std::vector<std::string>> ReadTextLines(platform::FileSystem& fs,
                                                                    std::string_view path);

// The lines of a file that the program writes and reads back (the report,
// the quarantine log, the exclusions), each in the program's code page even
// where an older version wrote it in the system's legacy one.
[[nodiscard]] std::optional<std::vector<std::string>> ReadStoredTextLines(
    platform::FileSystem& fs, platform::TextCodec& codec, std::string_view path);

// The first line of a file, or nullopt when it cannot be read or is empty.
[[nodiscard]] std::optional<std::string> ReadFirstLine(platform::FileSystem& fs,
                                                       std::string_view path);

// Each line followed by CR LF.
[[nodiscard]] std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace core

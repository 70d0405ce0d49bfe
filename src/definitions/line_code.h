#pragma once

// The per-character substitution that the definition files are stored in.
// It rotates each character code by 64 modulo 255 and never changes a line's
// length.

#include <string>
#include <string_view>

namespace definitions {

[[nodiscard]] char DecodeDefinitionChar(char stored) noexcept;
[[nodiscard]] char EncodeDefinitionChar(char plain) noexcept;

[[nodiscard]] std::string DecodeDefinitionLine(std::string_view line);
[[nodiscard]] std::string EncodeDefinitionLine(std::string_view line);

}  // namespace definitions

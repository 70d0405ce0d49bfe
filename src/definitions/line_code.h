#pragma once

// The per-character substitution that the definition files are stored in.
// It rotates each character code by 64 modulo 255 and never changes a line's
// length.

#include <string>
#include <string_view>

namespace definitions {

// Inline: the scan and the update decode every character of large files.
[[nodiscard]] constexpr char DecodeDefinitionChar(char stored) noexcept {
    const auto c = static_cast<unsigned char>(stored);
    return static_cast<char>(c >= 64 ? c - 64 : c + 191);
}

[[nodiscard]] constexpr char EncodeDefinitionChar(char plain) noexcept {
    const auto c = static_cast<unsigned char>(plain);
    return static_cast<char>(c <= 191 ? c + 64 : c - 191);
}

[[nodiscard]] std::string DecodeDefinitionLine(std::string_view line);
[[nodiscard]] std::string EncodeDefinitionLine(std::string_view line);

}  // namespace definitions

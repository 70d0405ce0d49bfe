#pragma once

// The per-character substitution that the definition files are stored in.
// It rotates each character code by 64 modulo 255 and never changes a line's
// length.

#include <string>
#include <string_view>

#include "platform/text_codec.h"

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

// A stored line's text in the program's code page, for comparing with what
// the system names and for showing: the files hold the system's legacy ANSI
// code page, whichever code page the program runs in.
[[nodiscard]] std::string DecodeDefinitionText(std::string_view line, platform::TextCodec& codec);

}  // namespace definitions

#pragma once

// UTF-8 and UTF-16 little-endian, for files that other programs write in
// UTF-16. Bad input never fails: a malformed sequence or a lone surrogate
// becomes U+FFFD, and an odd last byte is dropped.

#include <string>
#include <string_view>

namespace core {

// The text as UTF-16LE bytes, without a byte order mark.
[[nodiscard]] std::string Utf8ToUtf16Le(std::string_view utf8);
// UTF-16LE bytes (no byte order mark) as UTF-8.
[[nodiscard]] std::string Utf16LeToUtf8(std::string_view utf16);

// Appends one code point as UTF-8 (one to four bytes).
void AppendUtf8(std::string& out, char32_t c);

}  // namespace core

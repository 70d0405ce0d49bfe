#pragma once

// UTF-8 and UTF-16 little-endian, for files that other programs write in
// UTF-16. Bad input never fails: a malformed sequence or a lone surrogate
// becomes U+FFFD, and an odd last byte is dropped.

#include <string>
#include <string_view>

namespace base {

// The text as UTF-16LE bytes, without a byte order mark.
[[nodiscard]] std::string Utf8ToUtf16Le(std::string_view utf8);
// UTF-16LE bytes (no byte order mark) as UTF-8.
[[nodiscard]] std::string Utf16LeToUtf8(std::string_view utf16);

// The same, but a lone surrogate, which Windows allows in names and text,
// is kept: as its three-byte form in the 8-bit text (the form "WTF-8"
// gives it), as its unit in UTF-16. Text of no lone surrogate converts as
// above, so the two pairs read each other's valid text alike.
[[nodiscard]] std::string Wtf8ToUtf16Le(std::string_view wtf8);
[[nodiscard]] std::string Utf16LeToWtf8(std::string_view utf16);

// Appends one code point as UTF-8 (one to four bytes).
void AppendUtf8(std::string& out, char32_t c);

}  // namespace base

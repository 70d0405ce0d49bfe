#pragma once

// Definitions are bytes of Windows-1252, the code page the program reads
// them in; publishers type and keep their files in UTF-8. These convert
// between the two.

#include <string>
#include <string_view>

#include "checked.h"

namespace defserver {

// Fails on bytes that are not UTF-8 and on characters that Windows-1252
// lacks, naming the first of them.
[[nodiscard]] Checked<std::string> Utf8ToAnsi(std::string_view utf8);

// As above, but each character that Windows-1252 lacks, and each byte that
// is not UTF-8, becomes `replacement`: for names taken from other people's
// data, where a lost character is no reason to lose the name.
[[nodiscard]] std::string Utf8ToAnsiReplacing(std::string_view utf8, char replacement);

// Every byte has a character; the five holes of Windows-1252 become the
// control characters of the same number, as Windows converts them.
[[nodiscard]] std::string AnsiToUtf8(std::string_view ansi);

}  // namespace defserver

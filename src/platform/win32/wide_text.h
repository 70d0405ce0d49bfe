#pragma once

// The program's text (its process's ANSI code page) as UTF-16, for the calls
// that take no other: GDI draws the ...A text calls in the code page of the
// font's character set and ignores the process's, so a UTF-8 caption would
// come out as Windows-1252 letters.

#include <windows.h>

#include <climits>
#include <string>
#include <string_view>

namespace platform::win32 {

[[nodiscard]] inline std::wstring WideFromProgramText(std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    const int written =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), wideLength);
    wide.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return wide;
}

}  // namespace platform::win32

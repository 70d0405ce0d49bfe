#include "platform/win32/text_codec_win32.h"

#include <climits>
#include <string>

#include <windows.h>

namespace platform::win32 {

namespace {

// Malformed input becomes U+FFFD here rather than failing the conversion.
std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int wideLength = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    const int written =
        ::MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), wideLength);
    wide.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return wide;
}

// defaultChar must be null for UTF-8, which can encode every character.
std::string FromWide(UINT codePage, const std::wstring& wide, const char* defaultChar) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return {};
    }
    const int length = static_cast<int>(wide.size());
    const int narrowLength =
        ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, defaultChar, nullptr);
    if (narrowLength <= 0) {
        return {};
    }
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    const int written = ::WideCharToMultiByte(codePage, 0, wide.data(), length, narrow.data(),
                                              narrowLength, defaultChar, nullptr);
    narrow.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return narrow;
}

}  // namespace

std::string TextCodecWin32::Utf8ToAnsi(std::string_view utf8) {
    return FromWide(CP_ACP, ToWide(CP_UTF8, utf8), "?");
}

std::string TextCodecWin32::AnsiToUtf8(std::string_view ansi) {
    return FromWide(CP_UTF8, ToWide(CP_ACP, ansi), nullptr);
}

}  // namespace platform::win32

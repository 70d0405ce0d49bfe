#include "platform/win32/text_codec_win32.h"

#include <climits>
#include <string>

#include <windows.h>

#include "base/text.h"
#include "base/utf16_text.h"

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

// UTF-8 encodes every character and takes no default character: the
// conversion fails when one is given.
std::string FromWide(UINT codePage, const std::wstring& wide) {
    const char* defaultChar = codePage == CP_UTF8 ? nullptr : "?";
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

bool IsValidUtf8(std::string_view text) {
    return text.size() <= INT_MAX &&
           ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                 static_cast<int>(text.size()), nullptr, 0) > 0;
}

// Text that a UTF-8 program holds as it is: valid UTF-8, or a registry
// name's lone surrogate in its three-byte form, which the system's
// conversion would turn into U+FFFD.
bool IsExactWtf8(std::string_view text) {
    return base::Utf16LeToWtf8(base::Wtf8ToUtf16Le(text)) == text;
}

// The code page the system's locale gives its programs; a locale without one
// (only Unicode) leaves the program's own.
UINT SystemLegacyCodePage(UINT program) {
    DWORD codePage = 0;
    if (::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                         reinterpret_cast<LPWSTR>(&codePage),
                         sizeof(codePage) / sizeof(wchar_t)) == 0 ||
        codePage == 0 || codePage == CP_UTF8 || !::IsValidCodePage(codePage)) {
        return program;
    }
    return codePage;
}

}  // namespace

TextCodecWin32::TextCodecWin32()
    : m_program(::GetACP()), m_legacy(SystemLegacyCodePage(m_program)) {}

std::string TextCodecWin32::Utf8ToAnsi(std::string_view utf8) {
    if (m_program == CP_UTF8 && IsExactWtf8(utf8)) {
        return std::string(utf8);
    }
    return FromWide(m_program, ToWide(CP_UTF8, utf8));
}

std::string TextCodecWin32::AnsiToUtf8(std::string_view ansi) {
    if (m_program == CP_UTF8 && IsExactWtf8(ansi)) {
        return std::string(ansi);
    }
    return FromWide(CP_UTF8, ToWide(m_program, ansi));
}

std::string TextCodecWin32::LegacyToAnsi(std::string_view legacy) {
    if (m_legacy == m_program || base::IsAscii(legacy)) {
        return std::string(legacy);
    }
    return FromWide(m_program, ToWide(m_legacy, legacy));
}

std::string TextCodecWin32::StoredToAnsi(std::string_view stored) {
    if (m_program != CP_UTF8 || base::IsAscii(stored) || IsValidUtf8(stored)) {
        return std::string(stored);
    }
    return LegacyToAnsi(stored);
}

std::optional<std::string> TextCodecWin32::HostNameToAscii(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) {
        return std::nullopt;
    }
    const std::wstring wide = ToWide(CP_UTF8, utf8);
    const int wideLength = static_cast<int>(wide.size());
    const int length = ::IdnToAscii(0, wide.data(), wideLength, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring ascii(static_cast<std::size_t>(length), L'\0');
    const int written = ::IdnToAscii(0, wide.data(), wideLength, ascii.data(), length);
    if (written <= 0) {
        return std::nullopt;
    }
    ascii.resize(static_cast<std::size_t>(written));
    return FromWide(CP_UTF8, ascii);
}

}  // namespace platform::win32

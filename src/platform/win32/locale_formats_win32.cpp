#include "platform/win32/locale_formats_win32.h"

#include <climits>
#include <cwctype>

#include <windows.h>

#include "platform/win32/system_time.h"

namespace platform::win32 {

namespace {

// The program's texts are in the ANSI code page; a character it lacks gets
// the code page's nearest one, which reads better than a question mark.
std::optional<std::string> ToAnsi(const std::wstring& wide) {
    if (wide.empty() || wide.size() > INT_MAX) {
        return std::nullopt;
    }
    const int length = static_cast<int>(wide.size());
    const int narrowLength =
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (narrowLength <= 0) {
        return std::nullopt;
    }
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    const int written = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), length, narrow.data(),
                                              narrowLength, nullptr, nullptr);
    if (written <= 0) {
        return std::nullopt;
    }
    narrow.resize(static_cast<std::size_t>(written));
    return narrow;
}

// Runs a formatting call twice, for its length and for its text; `format`
// takes a buffer and its size in characters and returns what the Win32
// call returns (the length with the terminating null, 0 on failure).
template <typename Format>
std::optional<std::wstring> Formatted(const Format& format) {
    const int length = format(nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    const int written = format(text.data(), length);
    if (written <= 0) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(written - 1));
    return text;
}

std::optional<std::wstring> LocaleText(const wchar_t* locale, LCTYPE type) {
    return Formatted(
        [&](wchar_t* buffer, int size) { return ::GetLocaleInfoEx(locale, type, buffer, size); });
}

UINT LocaleNumber(const wchar_t* locale, LCTYPE type) {
    DWORD value = 0;
    const int read =
        ::GetLocaleInfoEx(locale, type | LOCALE_RETURN_NUMBER, reinterpret_cast<wchar_t*>(&value),
                          sizeof(value) / sizeof(wchar_t));
    return read > 0 ? static_cast<UINT>(value) : 0;
}

// The locale gives its grouping as "3;0" (threes throughout), "3;2;0"
// (three, then twos) or "3" (one group of three only); NUMBERFMT wants 3,
// 32 and 30.
UINT GroupingOf(const std::wstring& pattern) {
    std::wstring digits;
    for (const wchar_t c : pattern) {
        if (std::iswdigit(c)) {
            digits += c;
        }
    }
    const bool repeats = pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, L";0") == 0;
    if (repeats) {
        digits.pop_back();
    } else {
        digits += L'0';
    }
    UINT grouping = 0;
    for (const wchar_t c : digits) {
        grouping = grouping * 10 + static_cast<UINT>(c - L'0');
    }
    return grouping;
}

}  // namespace

LocaleFormatsWin32::LocaleFormatsWin32(std::string_view localeName)
    : m_localeName(localeName.begin(), localeName.end()) {}

const wchar_t* LocaleFormatsWin32::LocaleName() const noexcept {
    return m_localeName.empty() ? LOCALE_NAME_USER_DEFAULT : m_localeName.c_str();
}

std::optional<std::string> LocaleFormatsWin32::ShortDate(const DateTime& value) {
    const SYSTEMTIME time = ToSystemTime(value);
    const std::optional<std::wstring> text = Formatted([&](wchar_t* buffer, int size) {
        return ::GetDateFormatEx(LocaleName(), DATE_SHORTDATE, &time, nullptr, buffer, size,
                                 nullptr);
    });
    return text ? ToAnsi(*text) : std::nullopt;
}

std::optional<std::string> LocaleFormatsWin32::LongTime(const DateTime& value) {
    const SYSTEMTIME time = ToSystemTime(value);
    const std::optional<std::wstring> text = Formatted([&](wchar_t* buffer, int size) {
        return ::GetTimeFormatEx(LocaleName(), 0, &time, nullptr, buffer, size);
    });
    return text ? ToAnsi(*text) : std::nullopt;
}

std::optional<std::string> LocaleFormatsWin32::WholeNumber(std::int64_t value) {
    const wchar_t* locale = LocaleName();
    std::optional<std::wstring> decimal = LocaleText(locale, LOCALE_SDECIMAL);
    std::optional<std::wstring> thousand = LocaleText(locale, LOCALE_STHOUSAND);
    const std::optional<std::wstring> grouping = LocaleText(locale, LOCALE_SGROUPING);
    if (!decimal || !thousand || !grouping) {
        return std::nullopt;
    }
    // The locale's own format but for its decimals: a count has none.
    NUMBERFMTW format{};
    format.NumDigits = 0;
    format.LeadingZero = LocaleNumber(locale, LOCALE_ILZERO);
    format.Grouping = GroupingOf(*grouping);
    format.lpDecimalSep = decimal->data();
    format.lpThousandSep = thousand->data();
    format.NegativeOrder = LocaleNumber(locale, LOCALE_INEGNUMBER);
    const std::string digits = std::to_string(value);
    const std::wstring wideDigits(digits.begin(), digits.end());
    const std::optional<std::wstring> text = Formatted([&](wchar_t* buffer, int size) {
        return ::GetNumberFormatEx(locale, 0, wideDigits.c_str(), &format, buffer, size);
    });
    return text ? ToAnsi(*text) : std::nullopt;
}

}  // namespace platform::win32

#pragma once

// The user's formats from GetDateFormatEx, GetTimeFormatEx and
// GetNumberFormatEx, in the program's ANSI code page.

#include <string>
#include <string_view>

#include "platform/locale_formats.h"

namespace platform::win32 {

class LocaleFormatsWin32 : public platform::LocaleFormats {
public:
    // Empty: the user's default locale, as the program uses it. A name such
    // as "de-DE" pins one locale, for a test that must know the result.
    explicit LocaleFormatsWin32(std::string_view localeName = {});

    [[nodiscard]] std::optional<std::string> ShortDate(const DateTime& value) override;
    [[nodiscard]] std::optional<std::string> LongTime(const DateTime& value) override;
    [[nodiscard]] std::optional<std::string> WholeNumber(std::int64_t value) override;

private:
    // Null for the user's default.
    [[nodiscard]] const wchar_t* LocaleName() const noexcept;

    std::wstring m_localeName;
};

}  // namespace platform::win32

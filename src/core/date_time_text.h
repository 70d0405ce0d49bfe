#pragma once

// Dates and times as text, in the English (United States) forms the program
// stores and exchanges ("3/16/2006 12:00:00 AM"), whatever the machine's
// locale, so that stored values and the update server's answers always read
// back the same; and in the user's own forms for what a person reads.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/locale_formats.h"

namespace core {

// The general form: date and time; the date alone at midnight; the time
// alone on the zero date (30 December 1899).
[[nodiscard]] std::string GeneralDateText(const platform::DateTime& value);

// Reads "M/D/YYYY", "M/D/YYYY h:mm:ss AM", "h:mm AM", "HH:mm:ss",
// "YYYY-MM-DD" and their combinations; nullopt for anything else or for an
// impossible date or time. A time alone lies on the zero date; a date alone
// at midnight.
[[nodiscard]] std::optional<platform::DateTime> ParseDateTime(std::string_view text);

// Seconds since the zero date, for comparing moments.
[[nodiscard]] std::int64_t SecondsSinceZeroDate(const platform::DateTime& value);

// The day of the week of a date, 0 for Sunday.
[[nodiscard]] int DayOfWeek(int year, int month, int day);

// A whole number with thousands separators: 1234567 gives "1,234,567".
[[nodiscard]] std::string GroupedNumberText(std::int64_t value);

// The general form in the user's formats: short date, a blank, long time;
// the date alone at midnight; the time alone on the zero date. The fixed
// form stands in when the platform cannot format the value.
[[nodiscard]] std::string UserDateText(platform::LocaleFormats& formats,
                                       const platform::DateTime& value);

// A stored or received text of the fixed form, in the user's formats part for
// part: a date stays a date, a time a time. A text that is no date ("Never")
// is shown as it stands.
[[nodiscard]] std::string UserDateTextOf(platform::LocaleFormats& formats,
                                         std::string_view fixedText);

// A whole number with the user's digit grouping and no decimals.
[[nodiscard]] std::string UserNumberText(platform::LocaleFormats& formats, std::int64_t value);

}  // namespace core

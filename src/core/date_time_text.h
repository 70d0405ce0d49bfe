#pragma once

// Dates and times as text, in the English (United States) forms the program
// stores and exchanges ("3/16/2006 12:00:00 AM"), whatever the machine's
// locale, so that stored values and the update server's answers always read
// back the same.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"

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

}  // namespace core

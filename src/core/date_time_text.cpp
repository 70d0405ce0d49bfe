#include "core/date_time_text.h"

#include <array>
#include <cctype>

#include "base/text.h"

namespace core {

namespace {

constexpr platform::DateTime kZeroDate{};

bool IsZeroDate(const platform::DateTime& value) {
    return value.year == kZeroDate.year && value.month == kZeroDate.month &&
           value.day == kZeroDate.day;
}

bool IsMidnight(const platform::DateTime& value) {
    return value.hour == 0 && value.minute == 0 && value.second == 0;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days since 1 January 1970 of a date in the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * static_cast<unsigned>(month + (month > 2 ? -3 : 9)) + 2) / 5 +
                               static_cast<unsigned>(day) - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

std::string TwoDigits(int value) {
    return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

// Reads a run of digits at `pos`; nullopt when there is none.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t maxDigits = 4) {
    const std::size_t start = pos;
    int value = 0;
    while (pos < text.size() && pos - start < maxDigits &&
           std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return pos == start ? std::nullopt : std::optional(value);
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

void SkipSpaces(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

// A time alone has its colon before any slash or dash.
bool IsTimeOnly(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::size_t separator = text.find_first_of("/-");
    return colon != std::string_view::npos &&
           (separator == std::string_view::npos || colon < separator);
}

std::optional<std::string> UserParts(platform::LocaleFormats& formats,
                                     const platform::DateTime& value, bool withDate,
                                     bool withTime) {
    std::string text;
    if (withDate) {
        std::optional<std::string> date = formats.ShortDate(value);
        if (!date) {
            return std::nullopt;
        }
        text = std::move(*date);
    }
    if (withTime) {
        const std::optional<std::string> time = formats.LongTime(value);
        if (!time) {
            return std::nullopt;
        }
        text += (withDate ? " " : "") + *time;
    }
    return text;
}

bool ValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

// "M/D/YYYY" or "YYYY-MM-DD".
bool ParseDate(std::string_view text, std::size_t& pos, platform::DateTime& out) {
    const std::size_t start = pos;
    const std::optional<int> first = Digits(text, pos);
    if (!first) {
        return false;
    }
    if (pos - start == 4 && (Expect(text, pos, '-') || Expect(text, pos, '/'))) {
        const std::optional<int> month = Digits(text, pos, 2);
        if (!month || !(Expect(text, pos, '-') || Expect(text, pos, '/'))) {
            return false;
        }
        const std::optional<int> day = Digits(text, pos, 2);
        if (!day) {
            return false;
        }
        out.year = *first;
        out.month = *month;
        out.day = *day;
        return ValidDate(out.year, out.month, out.day);
    }
    if (pos - start > 2 || !Expect(text, pos, '/')) {
        return false;
    }
    const std::optional<int> day = Digits(text, pos, 2);
    if (!day || !Expect(text, pos, '/')) {
        return false;
    }
    const std::size_t yearStart = pos;
    std::optional<int> year = Digits(text, pos);
    if (!year) {
        return false;
    }
    if (pos - yearStart <= 2) {
        // Two-digit years: 00 to 29 are this century, 30 to 99 the last.
        *year += *year < 30 ? 2000 : 1900;
    }
    out.year = *year;
    out.month = *first;
    out.day = *day;
    return ValidDate(out.year, out.month, out.day);
}

// "h:mm[:ss] [AM|PM]" or 24-hour "HH:mm[:ss]".
bool ParseTime(std::string_view text, std::size_t& pos, platform::DateTime& out) {
    const std::optional<int> hour = Digits(text, pos, 2);
    if (!hour || !Expect(text, pos, ':')) {
        return false;
    }
    const std::optional<int> minute = Digits(text, pos, 2);
    if (!minute) {
        return false;
    }
    int second = 0;
    if (Expect(text, pos, ':')) {
        const std::optional<int> seconds = Digits(text, pos, 2);
        if (!seconds) {
            return false;
        }
        second = *seconds;
    }
    SkipSpaces(text, pos);
    int h = *hour;
    const std::string rest = base::UpperCase(text.substr(pos, 2));
    if (rest == "AM" || rest == "PM") {
        if (h < 1 || h > 12) {
            return false;
        }
        h = (h % 12) + (rest == "PM" ? 12 : 0);
        pos += 2;
    } else if (h > 23) {
        return false;
    }
    if (*minute > 59 || second > 59) {
        return false;
    }
    out.hour = h;
    out.minute = *minute;
    out.second = second;
    return true;
}

}  // namespace

int DayOfWeek(int year, int month, int day) {
    // 1 January 1970 was a Thursday.
    const std::int64_t days = DaysFromCivil(year, month, day);
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

std::int64_t SecondsSinceZeroDate(const platform::DateTime& value) {
    const std::int64_t days = DaysFromCivil(value.year, value.month, value.day) -
                              DaysFromCivil(kZeroDate.year, kZeroDate.month, kZeroDate.day);
    return days * 86400 + value.hour * 3600 + value.minute * 60 + value.second;
}

std::string GeneralDateText(const platform::DateTime& value) {
    const bool zeroDate = IsZeroDate(value);
    const bool midnight = IsMidnight(value);
    std::string text;
    if (!zeroDate) {
        text = std::to_string(value.month) + "/" + std::to_string(value.day) + "/" +
               std::to_string(value.year);
        if (midnight) {
            return text;
        }
        text += " ";
    }
    const int hour12 = value.hour % 12 == 0 ? 12 : value.hour % 12;
    text += std::to_string(hour12) + ":" + TwoDigits(value.minute) + ":" + TwoDigits(value.second) +
            (value.hour < 12 ? " AM" : " PM");
    return text;
}

std::optional<platform::DateTime> ParseDateTime(std::string_view text) {
    const std::string trimmed = base::Trim(text);
    const std::string_view input = trimmed;
    platform::DateTime result = kZeroDate;
    std::size_t pos = 0;

    if (!IsTimeOnly(input)) {
        if (!ParseDate(input, pos, result)) {
            return std::nullopt;
        }
        SkipSpaces(input, pos);
        if (pos == input.size()) {
            result.dayOfWeek = DayOfWeek(result.year, result.month, result.day);
            return result;
        }
    }
    if (!ParseTime(input, pos, result)) {
        return std::nullopt;
    }
    SkipSpaces(input, pos);
    if (pos != input.size()) {
        return std::nullopt;
    }
    result.dayOfWeek = DayOfWeek(result.year, result.month, result.day);
    return result;
}

std::string GroupedNumberText(std::int64_t value) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), ",");
    }
    return negative ? "-" + digits : digits;
}

std::string UserDateText(platform::LocaleFormats& formats, const platform::DateTime& value) {
    const bool zeroDate = IsZeroDate(value);
    const bool withTime = zeroDate || !IsMidnight(value);
    return UserParts(formats, value, !zeroDate, withTime).value_or(GeneralDateText(value));
}

std::string UserDateTextOf(platform::LocaleFormats& formats, std::string_view fixedText) {
    const std::optional<platform::DateTime> value = ParseDateTime(fixedText);
    if (!value) {
        return std::string(fixedText);
    }
    const std::string trimmed = base::Trim(fixedText);
    const bool withDate = !IsTimeOnly(trimmed);
    const bool withTime = trimmed.find(':') != std::string::npos;
    return UserParts(formats, *value, withDate, withTime).value_or(std::string(fixedText));
}

std::string UserNumberText(platform::LocaleFormats& formats, std::int64_t value) {
    return formats.WholeNumber(value).value_or(GroupedNumberText(value));
}

}  // namespace core

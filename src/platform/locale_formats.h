#pragma once

// The user's formats for the dates, times and numbers that a person reads.
// What the program stores, reads back or sends never goes through them.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock.h"

namespace platform {

class LocaleFormats {
public:
    virtual ~LocaleFormats() = default;
    // The short date: "12/9/2026" in the United States, "09.12.2026" in Germany.
    [[nodiscard]] virtual std::optional<std::string> ShortDate(const DateTime& value) = 0;
    // The long time: "1:05:09 PM", "13:05:09".
    [[nodiscard]] virtual std::optional<std::string> LongTime(const DateTime& value) = 0;
    // A whole number with the digit grouping and no decimals: "1,234,567",
    // "1.234.567".
    [[nodiscard]] virtual std::optional<std::string> WholeNumber(std::int64_t value) = 0;
};

}  // namespace platform

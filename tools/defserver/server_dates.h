#pragma once

// The moments of the change log and their texts. The log keeps UTC seconds;
// the program exchanges them as English (United States) text with a
// 12-hour clock and whole seconds, so a date it got from us and sends back
// names exactly the same second.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace defserver {

// Seconds since 1 January 1970, UTC.
using UnixSeconds = std::int64_t;

// Answered for the newest change while there is none: earlier than the date
// a program holds before its first update, so that it asks for nothing.
inline constexpr UnixSeconds kEarlyDate = 946684800;  // 1/1/2000 12:00:00 AM

// "12/8/2026 3:04:05 PM", midnight included ("12/1/2026 12:00:00 AM").
[[nodiscard]] std::string DateAnswerText(UnixSeconds moment);

// The date as the program writes it when it asks for the changes after
// it: "12/8/2026 3:04:05 PM", "12/8/2026" for midnight, "12:00:00 AM" for
// the zero date.
[[nodiscard]] std::string ProgramDateText(UnixSeconds moment);

// "2026-12-08 15:04:05", for people and logs.
[[nodiscard]] std::string IsoDateText(UnixSeconds moment);

// Reads a date as the program sends it ("12/8/2026 3:04:05 PM", "3/16/2006"
// for midnight, "12:00:00 AM" alone for the zero date) or as a publisher
// writes it ("2026-12-08 10:00:00", "2026-12-08T10:00:00Z"). Spaces may
// come as "+" or "%20". nullopt when it is no date.
[[nodiscard]] std::optional<UnixSeconds> ReadDateText(std::string_view text);

[[nodiscard]] UnixSeconds SystemNow();

}  // namespace defserver

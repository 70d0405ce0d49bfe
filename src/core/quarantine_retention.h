#pragma once

// How long the quarantine keeps what the removals put there: the options
// page's "Delete quarantined items after N days", off until the user turns it
// on. Stored per user, in the options' section, under the controls' names.

#include <optional>
#include <string_view>

#include "platform/clock.h"

namespace core {

class Application;

inline constexpr std::string_view kRetentionSection = "OptionAndSettings";
// "1" when quarantined items are deleted after a number of days, "0" when
// they are kept.
inline constexpr std::string_view kRetentionOnKey = "chkPurgeQuarantine";
// The number of days, as decimal text.
inline constexpr std::string_view kRetentionDaysKey = "txtPurgeQuarantineDays";
inline constexpr int kDefaultRetentionDays = 30;
inline constexpr int kMaxRetentionDays = 9999;

// The days that a text gives: a whole number from 1 to kMaxRetentionDays,
// blanks around it allowed.
[[nodiscard]] std::optional<int> RetentionDaysFromText(std::string_view text);

// The age in days after which quarantined items are deleted, as stored; none
// while the option is off.
[[nodiscard]] std::optional<int> QuarantineRetentionDays(const Application& app);

// The latest moment that a date written in some user's short date form
// ("01/12/2024 10:00:00", "1.12.2024 10:00:00", "2024-12-01 10:00:00") may
// stand for: the end of the latest day among the readings that the text
// allows (month or day first; a two-digit year in this century), since the
// locale it was written in is not known. nullopt when the text reads as no
// date in any order (a month's name, other digits).
[[nodiscard]] std::optional<platform::DateTime> LatestDayOfUserDate(std::string_view text);

// The option's controls store what they show the moment it changes.
void AttachRetentionOption(Application& app);
// Shows the stored option in its controls.
void LoadRetentionOption(Application& app);

}  // namespace core

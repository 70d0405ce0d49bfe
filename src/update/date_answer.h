#pragma once

// The date in an answer of the definitions server, which comes as text with
// whatever blanks, line ends or trailing words the server adds.

#include <optional>
#include <string_view>

#include "platform/clock.h"

namespace update {

// The moment the answer names, nullopt when it names none.
[[nodiscard]] std::optional<platform::DateTime> DateOfAnswer(std::string_view answer);

}  // namespace update

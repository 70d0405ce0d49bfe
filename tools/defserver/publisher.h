#pragma once

// The publisher's command line: adds and withdraws definitions with a date,
// seeds a set from files, and shows the log. Kept apart from main() so that
// tests run it with their own arguments and clock.

#include <ostream>
#include <string>
#include <vector>

#include "server_dates.h"

namespace defserver {

// `arguments` without the program name. Answers the exit code: 0 done,
// 1 refused or failed (nothing changed), 2 a command line it cannot read.
[[nodiscard]] int RunPublisher(const std::vector<std::string>& arguments, std::ostream& out,
                               std::ostream& err, UnixSeconds now);

}  // namespace defserver

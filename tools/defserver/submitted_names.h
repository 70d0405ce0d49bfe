#pragma once

// The names in submitted data: line-coded names separated by "|" (a name
// typed by hand is followed by one more "|").

#include <string>
#include <string_view>
#include <vector>

namespace defserver {

// Decoded, blank ones dropped, in the order sent.
[[nodiscard]] std::vector<std::string> SubmittedNames(std::string_view codedData);

}  // namespace defserver

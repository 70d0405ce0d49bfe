#pragma once

// Offensive words never show in the scan's progress line, which displays
// names from the user's disk and registry.

#include <string>
#include <string_view>

namespace scan {

// Deletes every listed word, in the list's order, where it stands as a whole
// word (not inside a longer one), ignoring letter case.
[[nodiscard]] std::string FilterStatusWords(std::string_view text);

}  // namespace scan

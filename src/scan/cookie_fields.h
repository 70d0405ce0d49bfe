#pragma once

// Reads a text as the fields of comma-separated records: fields end at a
// comma or a line end; a field that begins with a double quote runs to the
// next double quote, commas and line ends included; blanks around fields are
// dropped.

#include <string>
#include <string_view>
#include <vector>

namespace scan {

[[nodiscard]] std::vector<std::string> ReadFields(std::string_view text);

}  // namespace scan

#pragma once

// Writes definition files in their stored, coded form from plain lines.

#include <string>
#include <vector>

#include "definitions/line_code.h"

namespace definitions::testing {

inline std::string CodedFile(const std::vector<std::string>& plainLines) {
    std::string text;
    for (const std::string& line : plainLines) {
        text += EncodeDefinitionLine(line) + "\r\n";
    }
    return text;
}

}  // namespace definitions::testing

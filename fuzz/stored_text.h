#pragma once

// Turns the plain text a fuzzer mutates into a definition file as it is
// stored: every character in the line code, the line ends plain. Mutating
// plain text lets the fuzzer reach the separators and macros the readers
// look for.

#include <string>
#include <string_view>

#include "definitions/line_code.h"

namespace fuzz {

inline std::string StoredDefinitionFile(std::string_view plain) {
    std::string stored(plain);
    for (char& c : stored) {
        if (c != '\r' && c != '\n') {
            c = definitions::EncodeDefinitionChar(c);
        }
    }
    return stored;
}

}  // namespace fuzz

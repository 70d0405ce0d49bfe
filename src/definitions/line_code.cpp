#include "definitions/line_code.h"

namespace definitions {

char DecodeDefinitionChar(char stored) noexcept {
    const auto c = static_cast<unsigned char>(stored);
    return static_cast<char>(c >= 64 ? c - 64 : c + 191);
}

char EncodeDefinitionChar(char plain) noexcept {
    const auto c = static_cast<unsigned char>(plain);
    return static_cast<char>(c <= 191 ? c + 64 : c - 191);
}

std::string DecodeDefinitionLine(std::string_view line) {
    std::string result(line);
    for (char& c : result) {
        c = DecodeDefinitionChar(c);
    }
    return result;
}

std::string EncodeDefinitionLine(std::string_view line) {
    std::string result(line);
    for (char& c : result) {
        c = EncodeDefinitionChar(c);
    }
    return result;
}

}  // namespace definitions

#include "definitions/line_code.h"

namespace definitions {

std::string DecodeDefinitionLine(std::string_view line) {
    std::string result(line);
    for (char& c : result) {
        c = DecodeDefinitionChar(c);
    }
    return result;
}

std::string DecodeDefinitionText(std::string_view line, platform::TextCodec& codec) {
    return codec.LegacyToAnsi(DecodeDefinitionLine(line));
}

std::string EncodeDefinitionLine(std::string_view line) {
    std::string result(line);
    for (char& c : result) {
        c = EncodeDefinitionChar(c);
    }
    return result;
}

}  // namespace definitions

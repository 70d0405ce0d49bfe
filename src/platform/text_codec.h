#pragma once

// Conversion between UTF-8 and the ANSI code page that the program's texts
// use. Characters that the code page lacks become '?'.

#include <string>
#include <string_view>

namespace platform {

class TextCodec {
public:
    virtual ~TextCodec() = default;
    [[nodiscard]] virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
    [[nodiscard]] virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
};

}  // namespace platform

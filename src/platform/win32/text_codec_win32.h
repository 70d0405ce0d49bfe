#pragma once

// UTF-8 and the ANSI code page converted through UTF-16 with the platform's
// code page tables.

#include "platform/text_codec.h"

namespace platform::win32 {

class TextCodecWin32 : public platform::TextCodec {
public:
    [[nodiscard]] std::string Utf8ToAnsi(std::string_view utf8) override;
    [[nodiscard]] std::string AnsiToUtf8(std::string_view ansi) override;
};

}  // namespace platform::win32

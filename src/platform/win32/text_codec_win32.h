#pragma once

// The code pages converted through UTF-16 with the platform's code page
// tables. The legacy code page is the one the system's locale gives, which
// the process's own code page replaces only where the manifest asks for
// UTF-8.

#include "platform/text_codec.h"

namespace platform::win32 {

class TextCodecWin32 : public platform::TextCodec {
public:
    TextCodecWin32();

    [[nodiscard]] std::string Utf8ToAnsi(std::string_view utf8) override;
    [[nodiscard]] std::string AnsiToUtf8(std::string_view ansi) override;
    [[nodiscard]] std::string LegacyToAnsi(std::string_view legacy) override;
    [[nodiscard]] std::string StoredToAnsi(std::string_view stored) override;
    [[nodiscard]] std::optional<std::string> HostNameToAscii(std::string_view utf8) override;

    // The process's ANSI code page and the system locale's.
    [[nodiscard]] unsigned ProgramCodePage() const noexcept { return m_program; }
    [[nodiscard]] unsigned LegacyCodePage() const noexcept { return m_legacy; }

private:
    unsigned m_program;
    unsigned m_legacy;
};

}  // namespace platform::win32

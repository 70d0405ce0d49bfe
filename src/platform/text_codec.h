#pragma once

// Conversion between the program's code page and the others it meets.
//
// The program's texts are in its process's ANSI code page: UTF-8 where
// Windows honours the manifest's active code page (Windows 10 version 1903
// and later), the system's ANSI code page elsewhere. The definition files and
// the text files an older version wrote hold the system's legacy ANSI code
// page; where the two code pages are one, every conversion from it is the
// identity. Characters that the target lacks become '?'.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class TextCodec {
public:
    virtual ~TextCodec() = default;
    [[nodiscard]] virtual std::string Utf8ToAnsi(std::string_view utf8) = 0;
    [[nodiscard]] virtual std::string AnsiToUtf8(std::string_view ansi) = 0;
    // Text of the system's legacy ANSI code page into the program's.
    [[nodiscard]] virtual std::string LegacyToAnsi(std::string_view legacy) = 0;
    // A line of a file that the program writes for people and reads back:
    // as it is when it is valid in the program's code page, otherwise (a
    // line that an older version wrote in the legacy code page) converted.
    [[nodiscard]] virtual std::string StoredToAnsi(std::string_view stored) = 0;
    // A host name given in UTF-8 as the DNS and the browsers' cookie stores
    // hold it: each label that is not ASCII in its punycode form ("xn--"),
    // as the platform's IDNA maps it; nullopt when it is no valid name.
    [[nodiscard]] virtual std::optional<std::string> HostNameToAscii(std::string_view utf8) = 0;
};

}  // namespace platform

#include "ansi_text.h"

#include <array>
#include <cstdint>
#include <optional>

#include "base/utf16_text.h"

namespace defserver {

namespace {

// Windows-1252 0x80 to 0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kHighBlock{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<char> AnsiOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(c));
    }
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == c) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
        }
    }
    return std::nullopt;
}

// One character at `pos`, advancing past it; nullopt when the bytes there
// are not UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1Fu;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0Fu;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3Fu);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += length;
    return c;
}

}  // namespace

Checked<std::string> Utf8ToAnsi(std::string_view utf8) {
    std::string ansi;
    ansi.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = NextUtf8(utf8, pos);
        if (!c) {
            return Checked<std::string>::Failure("the text is not UTF-8 (byte " +
                                                 std::to_string(start + 1) + ")");
        }
        const std::optional<char> b = AnsiOf(*c);
        if (!b) {
            return Checked<std::string>::Failure(
                "\"" + std::string(utf8.substr(start, pos - start)) +
                "\" has no place in Windows-1252, the code page of the definitions");
        }
        ansi.push_back(*b);
    }
    return ansi;
}

std::string Utf8ToAnsiReplacing(std::string_view utf8, char replacement) {
    std::string ansi;
    ansi.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = NextUtf8(utf8, pos);
        if (!c) {
            pos = start + 1;
        }
        const std::optional<char> b = c ? AnsiOf(*c) : std::nullopt;
        ansi.push_back(b ? *b : replacement);
    }
    return ansi;
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string utf8;
    utf8.reserve(ansi.size());
    for (const char b : ansi) {
        const auto c = static_cast<unsigned char>(b);
        if (c >= 0x80 && c < 0xA0 && kHighBlock[c - 0x80] != 0) {
            base::AppendUtf8(utf8, kHighBlock[c - 0x80]);
        } else {
            base::AppendUtf8(utf8, c);
        }
    }
    return utf8;
}

}  // namespace defserver

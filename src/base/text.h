#pragma once

// Text helpers with the program's own rules: strings hold the program's code
// page, which is UTF-8 where the manifest's code page holds and the ANSI code
// page (Windows-1252) elsewhere; letter case follows UTF-8 for a well-formed
// two-byte character and Windows-1252 for any other byte, and "trim" means
// spaces only. Every subsystem uses these instead of <cctype>, whose
// answers depend on the C locale of the machine.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base {

namespace detail {

// Windows-1252: accented lower-case letters sit 0x20 above their capitals,
// except the division sign and the multiplication sign; a few letters live
// in the 0x80 block.
constexpr unsigned char UpperOf(unsigned char b) noexcept {
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
        return static_cast<unsigned char>(b - 0x20);
    }
    switch (b) {
        case 0x9A:
            return 0x8A;
        case 0x9C:
            return 0x8C;
        case 0x9E:
            return 0x8E;
        case 0xFF:
            return 0x9F;
        default:
            return b;
    }
}

constexpr unsigned char LowerOf(unsigned char b) noexcept {
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<unsigned char>(b + 0x20);
    }
    switch (b) {
        case 0x8A:
            return 0x9A;
        case 0x8C:
            return 0x9C;
        case 0x8E:
            return 0x9E;
        case 0x9F:
            return 0xFF;
        default:
            return b;
    }
}

// Case folding runs for every character the scan compares, so it is a table
// look-up rather than a chain of tests.
template <unsigned char (*Fold)(unsigned char) noexcept>
struct CaseTable {
    unsigned char map[256]{};
    constexpr CaseTable() noexcept {
        for (int b = 0; b < 256; ++b) {
            map[b] = Fold(static_cast<unsigned char>(b));
        }
    }
};

inline constexpr CaseTable<UpperOf> kUpper{};
inline constexpr CaseTable<LowerOf> kLower{};

}  // namespace detail

namespace detail {

// Letter case of the characters that UTF-8 writes in two bytes, for the
// scripts that names are written in there: Latin, Greek and Cyrillic. Every
// pair stays within two bytes, so folding never changes a text's length.
[[nodiscard]] constexpr char32_t UpperOfCharacter(char32_t c) noexcept {
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) ||
        (c >= 0x430 && c <= 0x44F)) {
        return c - 0x20;
    }
    if ((c >= 0x100 && c <= 0x137 && c % 2 == 1) || (c >= 0x139 && c <= 0x148 && c % 2 == 0) ||
        (c >= 0x14A && c <= 0x177 && c % 2 == 1) || (c >= 0x17A && c <= 0x17E && c % 2 == 0)) {
        return c - 1;
    }
    if (c >= 0x450 && c <= 0x45F) {
        return c - 0x50;
    }
    if (c >= 0x3AD && c <= 0x3AF) {
        return c - 0x25;
    }
    switch (c) {
        case 0xFF:
            return 0x178;
        case 0x3C2:
            return 0x3A3;
        case 0x3AC:
            return 0x386;
        case 0x3CC:
            return 0x38C;
        case 0x3CD:
        case 0x3CE:
            return c - 0x3F;
        default:
            return c;
    }
}

[[nodiscard]] constexpr char32_t LowerOfCharacter(char32_t c) noexcept {
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F)) {
        return c + 0x20;
    }
    if ((c >= 0x100 && c <= 0x137 && c % 2 == 0) || (c >= 0x139 && c <= 0x148 && c % 2 == 1) ||
        (c >= 0x14A && c <= 0x177 && c % 2 == 0) || (c >= 0x179 && c <= 0x17D && c % 2 == 1)) {
        return c + 1;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    if (c >= 0x388 && c <= 0x38A) {
        return c + 0x25;
    }
    switch (c) {
        case 0x178:
            return 0xFF;
        case 0x386:
            return 0x3AC;
        case 0x38C:
            return 0x3CC;
        case 0x38E:
        case 0x38F:
            return c + 0x3F;
        default:
            return c;
    }
}

// Bytes of the well-formed UTF-8 character at `at`; 1 for ASCII and for a
// byte that starts none (a Windows-1252 letter).
[[nodiscard]] constexpr std::size_t CharacterLength(std::string_view text,
                                                    std::size_t at) noexcept {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0xC2   ? 1
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 1;
    if (length == 1 || at + length > text.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

}  // namespace detail

[[nodiscard]] inline char ToUpperAnsi(char c) noexcept {
    return static_cast<char>(detail::kUpper.map[static_cast<unsigned char>(c)]);
}
[[nodiscard]] inline char ToLowerAnsi(char c) noexcept {
    return static_cast<char>(detail::kLower.map[static_cast<unsigned char>(c)]);
}
[[nodiscard]] std::string UpperCase(std::string_view text);
[[nodiscard]] std::string LowerCase(std::string_view text);

// The first character upper-cased, the rest unchanged.
[[nodiscard]] std::string UpperFirst(std::string_view text);

[[nodiscard]] bool EqualsIgnoreCase(std::string_view a, std::string_view b) noexcept;

// True when every byte is seven-bit ASCII, which reads alike in every code
// page and in UTF-8.
[[nodiscard]] bool IsAscii(std::string_view text) noexcept;
[[nodiscard]] bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) noexcept;

// Position of the first occurrence at or after `from`, or npos.
[[nodiscard]] std::size_t FindIgnoreCase(std::string_view text, std::string_view what,
                                         std::size_t from = 0) noexcept;
[[nodiscard]] bool ContainsIgnoreCase(std::string_view text, std::string_view what) noexcept;

// Replaces every non-overlapping occurrence, left to right; inserted text is
// not searched again.
[[nodiscard]] std::string ReplaceAll(std::string_view text, std::string_view what,
                                     std::string_view with);
[[nodiscard]] std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view what,
                                               std::string_view with);

// Removes leading and trailing spaces (not tabs or line ends).
[[nodiscard]] std::string Trim(std::string_view text);
// The same without a copy: a view into `text`.
[[nodiscard]] std::string_view TrimView(std::string_view text) noexcept;
// True when the text holds nothing but spaces.
[[nodiscard]] bool IsBlank(std::string_view text) noexcept;
[[nodiscard]] std::string TrimLeft(std::string_view text);
[[nodiscard]] std::string TrimRight(std::string_view text);

// True when two backslashes stand side by side. Paths are full of single
// backslashes, which make a substring search slow.
[[nodiscard]] bool HasDoubledBackslash(std::string_view text) noexcept;

// True when the text holds "*" or "?", the wildcards of a file name.
[[nodiscard]] bool HasWildcard(std::string_view text) noexcept;

// Splits at every occurrence of the separator; n separators give n + 1 parts.
[[nodiscard]] std::vector<std::string> Split(std::string_view text, std::string_view separator);

// Splits text into lines at LF, dropping a CR that ends a line.
[[nodiscard]] std::vector<std::string> SplitLines(std::string_view text);

// The leading number of a text: optional blanks, an optional sign, digits and
// an optional fraction; a text without one reads as 0.
[[nodiscard]] double LeadingNumber(std::string_view text) noexcept;

// The value of a hexadecimal digit in either case, or -1 for any other char.
[[nodiscard]] constexpr int HexDigitValue(char c) noexcept {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The number that a text (blanks around it allowed) wholly is, or nullopt.
[[nodiscard]] std::optional<double> WholeNumber(std::string_view text) noexcept;

// "True"/"False" in any case, or a number (non-zero is true); nullopt for
// anything else.
[[nodiscard]] std::optional<bool> TextToBool(std::string_view text) noexcept;
[[nodiscard]] std::string BoolToText(bool value);

// Rounds to the nearest integer, halves to the even neighbour.
[[nodiscard]] std::int64_t RoundHalfEven(double value) noexcept;

}  // namespace base

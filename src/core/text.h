#pragma once

// Text helpers with the program's own rules: strings hold bytes of the ANSI
// code page (Windows-1252), letter case follows that code page, and "trim"
// means spaces only. Every subsystem uses these instead of <cctype>, whose
// answers depend on the C locale of the machine.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

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

// The number that a text (blanks around it allowed) wholly is, or nullopt.
[[nodiscard]] std::optional<double> WholeNumber(std::string_view text) noexcept;

// "True"/"False" in any case, or a number (non-zero is true); nullopt for
// anything else.
[[nodiscard]] std::optional<bool> TextToBool(std::string_view text) noexcept;
[[nodiscard]] std::string BoolToText(bool value);

// Rounds to the nearest integer, halves to the even neighbour.
[[nodiscard]] std::int64_t RoundHalfEven(double value) noexcept;

}  // namespace core

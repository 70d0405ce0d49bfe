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

[[nodiscard]] char ToUpperAnsi(char c) noexcept;
[[nodiscard]] char ToLowerAnsi(char c) noexcept;
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
[[nodiscard]] std::string TrimLeft(std::string_view text);
[[nodiscard]] std::string TrimRight(std::string_view text);

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

#include "base/text.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/byte_search.h"

namespace base {

namespace {

// The character at `at` in the given case, written over `out` at the same
// place; returns its length.
template <char (*FoldByte)(char) noexcept, char32_t (*FoldCharacter)(char32_t) noexcept>
std::size_t FoldAt(std::string_view text, std::size_t at, char* out) noexcept {
    const std::size_t length = detail::CharacterLength(text, at);
    if (length == 1) {
        out[0] = FoldByte(text[at]);
    } else if (length == 2) {
        const char32_t code =
            (static_cast<char32_t>(static_cast<unsigned char>(text[at]) & 0x1F) << 6) |
            (static_cast<unsigned char>(text[at + 1]) & 0x3F);
        const char32_t folded = FoldCharacter(code);
        out[0] = static_cast<char>(0xC0 | (folded >> 6));
        out[1] = static_cast<char>(0x80 | (folded & 0x3F));
    } else {
        for (std::size_t k = 0; k < length; ++k) {
            out[k] = text[at + k];
        }
    }
    return length;
}

template <char (*FoldByte)(char) noexcept, char32_t (*FoldCharacter)(char32_t) noexcept>
std::string Folded(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            result[i] = FoldByte(text[i]);
            ++i;
        } else {
            i += FoldAt<FoldByte, FoldCharacter>(text, i, result.data() + i);
        }
    }
    return result;
}

}  // namespace

std::string UpperCase(std::string_view text) {
    return Folded<ToUpperAnsi, detail::UpperOfCharacter>(text);
}

std::string LowerCase(std::string_view text) {
    return Folded<ToLowerAnsi, detail::LowerOfCharacter>(text);
}

std::string UpperFirst(std::string_view text) {
    std::string result(text);
    if (!result.empty()) {
        FoldAt<ToUpperAnsi, detail::UpperOfCharacter>(text, 0, result.data());
    }
    return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size();) {
        const auto byteA = static_cast<unsigned char>(a[i]);
        const auto byteB = static_cast<unsigned char>(b[i]);
        if (byteA < 0x80 && byteB < 0x80) {
            if (ToUpperAnsi(a[i]) != ToUpperAnsi(b[i])) {
                return false;
            }
            ++i;
            continue;
        }
        char upperA[4] = {};
        char upperB[4] = {};
        const std::size_t lengthA = FoldAt<ToUpperAnsi, detail::UpperOfCharacter>(a, i, upperA);
        const std::size_t lengthB = FoldAt<ToUpperAnsi, detail::UpperOfCharacter>(b, i, upperB);
        if (lengthA != lengthB ||
            std::string_view(upperA, lengthA) != std::string_view(upperB, lengthB)) {
            return false;
        }
        i += lengthA;
    }
    return true;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) noexcept {
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::size_t FindIgnoreCase(std::string_view text, std::string_view what,
                           std::size_t from) noexcept {
    if (from > text.size() || what.size() > text.size() - from) {
        return std::string_view::npos;
    }
    if (what.empty()) {
        return from;
    }
    // Only places that start with the right letter are compared in full; a
    // first byte beyond ASCII may stand for a letter of either case.
    const char first = ToUpperAnsi(what[0]);
    const bool firstIsAscii = static_cast<unsigned char>(what[0]) < 0x80;
    if (firstIsAscii && ToLowerAnsi(what[0]) == first) {
        // A first byte without a case ("[" of a record separator) is searched
        // for as it is, many bytes at a time.
        const char* const end = text.data() + text.size() - what.size() + 1;
        for (const char* at = FindByte(text.data() + from, end, first); at != end;
             at = FindByte(at + 1, end, first)) {
            const auto i = static_cast<std::size_t>(at - text.data());
            if (EqualsIgnoreCase(text.substr(i, what.size()), what)) {
                return i;
            }
        }
        return std::string_view::npos;
    }
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        if ((!firstIsAscii || ToUpperAnsi(text[i]) == first) &&
            EqualsIgnoreCase(text.substr(i, what.size()), what)) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool ContainsIgnoreCase(std::string_view text, std::string_view what) noexcept {
    return FindIgnoreCase(text, what) != std::string_view::npos;
}

namespace {

template <typename Finder>
std::string ReplaceWith(std::string_view text, std::string_view what, std::string_view with,
                        Finder find) {
    if (what.empty()) {
        return std::string(text);
    }
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit = find(text, what, pos); hit != std::string_view::npos;
         hit = find(text, what, pos)) {
        result.append(text.substr(pos, hit - pos));
        result.append(with);
        pos = hit + what.size();
    }
    result.append(text.substr(pos));
    return result;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    return ReplaceWith(text, what, with, [](std::string_view t, std::string_view w, std::size_t p) {
        return t.find(w, p);
    });
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view what,
                                 std::string_view with) {
    return ReplaceWith(text, what, with, [](std::string_view t, std::string_view w, std::size_t p) {
        return FindIgnoreCase(t, w, p);
    });
}

std::string_view TrimView(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsBlank(std::string_view text) noexcept {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string TrimLeft(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
    return std::string(TrimView(text));
}

bool HasDoubledBackslash(std::string_view text) noexcept {
    for (std::size_t at = text.find('\\'); at != std::string_view::npos && at + 1 < text.size();
         at = text.find('\\', at + 1)) {
        if (text[at + 1] == '\\') {
            return true;
        }
    }
    return false;
}

bool HasWildcard(std::string_view text) noexcept {
    return std::any_of(text.begin(), text.end(), [](char c) { return c == '*' || c == '?'; });
}

std::vector<std::string> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string> parts;
    if (separator.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    std::size_t pos = 0;
    for (std::size_t hit = text.find(separator); hit != std::string_view::npos;
         hit = text.find(separator, pos)) {
        parts.emplace_back(text.substr(pos, hit - pos));
        pos = hit + separator.size();
    }
    parts.emplace_back(text.substr(pos));
    return parts;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines = Split(text, "\n");
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
    }
    return lines;
}

double LeadingNumber(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    double sign = 1.0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10.0 + (text[i] - '0');
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value += (text[i] - '0') * scale;
            scale /= 10.0;
            ++i;
        }
    }
    return sign * value;
}

std::optional<double> WholeNumber(std::string_view text) noexcept {
    const std::string_view trimmed = TrimView(text);
    std::size_t i = 0;
    if (i < trimmed.size() && (trimmed[i] == '-' || trimmed[i] == '+')) {
        ++i;
    }
    bool digits = false;
    bool dot = false;
    for (; i < trimmed.size(); ++i) {
        if (trimmed[i] >= '0' && trimmed[i] <= '9') {
            digits = true;
        } else if (trimmed[i] == '.' && !dot) {
            dot = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    return LeadingNumber(trimmed);
}

std::optional<bool> TextToBool(std::string_view text) noexcept {
    const std::string_view trimmed = TrimView(text);
    if (EqualsIgnoreCase(trimmed, "True")) {
        return true;
    }
    if (EqualsIgnoreCase(trimmed, "False")) {
        return false;
    }
    const std::optional<double> number = WholeNumber(trimmed);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0.0;
}

std::string BoolToText(bool value) {
    return value ? "True" : "False";
}

std::int64_t RoundHalfEven(double value) noexcept {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    // Numbers read from files can be of any length; beyond the 64-bit range
    // the conversion would be undefined, so they saturate.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole >= kTwoTo63) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (whole < -kTwoTo63) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(whole);
}

bool IsAscii(std::string_view text) noexcept {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace base

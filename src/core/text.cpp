#include "core/text.h"

#include <cmath>

namespace core {

namespace {

unsigned char Byte(char c) noexcept {
    return static_cast<unsigned char>(c);
}

}  // namespace

char ToUpperAnsi(char c) noexcept {
    const unsigned char b = Byte(c);
    if (b >= 'a' && b <= 'z') {
        return static_cast<char>(b - 0x20);
    }
    // Windows-1252: accented lower-case letters sit 0x20 above their capitals,
    // except the division sign; a few capitals live in the 0x80 block.
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
        return static_cast<char>(b - 0x20);
    }
    switch (b) {
        case 0x9A:
            return static_cast<char>(0x8A);
        case 0x9C:
            return static_cast<char>(0x8C);
        case 0x9E:
            return static_cast<char>(0x8E);
        case 0xFF:
            return static_cast<char>(0x9F);
        default:
            return c;
    }
}

char ToLowerAnsi(char c) noexcept {
    const unsigned char b = Byte(c);
    if (b >= 'A' && b <= 'Z') {
        return static_cast<char>(b + 0x20);
    }
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) {
        return static_cast<char>(b + 0x20);
    }
    switch (b) {
        case 0x8A:
            return static_cast<char>(0x9A);
        case 0x8C:
            return static_cast<char>(0x9C);
        case 0x8E:
            return static_cast<char>(0x9E);
        case 0x9F:
            return static_cast<char>(0xFF);
        default:
            return c;
    }
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = ToUpperAnsi(c);
    }
    return result;
}

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = ToLowerAnsi(c);
    }
    return result;
}

std::string UpperFirst(std::string_view text) {
    std::string result(text);
    if (!result.empty()) {
        result[0] = ToUpperAnsi(result[0]);
    }
    return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToUpperAnsi(a[i]) != ToUpperAnsi(b[i])) {
            return false;
        }
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
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        if (EqualsIgnoreCase(text.substr(i, what.size()), what)) {
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

std::string TrimLeft(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
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
    const std::string trimmed = Trim(text);
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
    const std::string trimmed = Trim(text);
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
    return static_cast<std::int64_t>(whole);
}

}  // namespace core

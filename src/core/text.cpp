#include "core/text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

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
    if (what.empty()) {
        return from;
    }
    // Only places that start with the right letter are compared in full.
    const char first = ToUpperAnsi(what[0]);
    const std::string_view rest = what.substr(1);
    for (std::size_t i = from; i + what.size() <= text.size(); ++i) {
        if (ToUpperAnsi(text[i]) == first &&
            EqualsIgnoreCase(text.substr(i + 1, rest.size()), rest)) {
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

}  // namespace core

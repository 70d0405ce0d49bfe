#include "base/utf16_text.h"

#include <cstdint>

namespace base {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUnit(std::string& out, std::uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xff));
    out.push_back(static_cast<char>(unit >> 8));
}

enum class LoneSurrogates { Replaced, Kept };

// The code point that starts at `i`, which moves past it.
char32_t NextCodePoint(std::string_view text, std::size_t& i, LoneSurrogates lone) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        c = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        c = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        c = lead & 0x07;
        least = 0x10000;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < length; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return kReplacement;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    if (c < least || c > 0x10FFFF ||
        (c >= 0xD800 && c <= 0xDFFF && lone == LoneSurrogates::Replaced)) {
        return kReplacement;
    }
    return c;
}

std::string ToUtf16Le(std::string_view utf8, LoneSurrogates lone) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i, lone);
        if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            AppendUnit(out, 0xD800 | (v >> 10));
            AppendUnit(out, 0xDC00 | (v & 0x3FF));
        } else {
            AppendUnit(out, c);
        }
    }
    return out;
}

std::string FromUtf16Le(std::string_view utf16, LoneSurrogates lone) {
    std::string out;
    out.reserve(utf16.size());
    const std::size_t units = utf16.size() / 2;
    const auto unitAt = [&](std::size_t k) {
        return static_cast<char32_t>(static_cast<unsigned char>(utf16[2 * k]) |
                                     static_cast<unsigned char>(utf16[2 * k + 1]) << 8);
    };
    for (std::size_t k = 0; k < units; ++k) {
        const char32_t unit = unitAt(k);
        if (unit >= 0xD800 && unit <= 0xDBFF && k + 1 < units && unitAt(k + 1) >= 0xDC00 &&
            unitAt(k + 1) <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(k + 1) - 0xDC00));
            ++k;
        } else if (unit >= 0xD800 && unit <= 0xDFFF && lone == LoneSurrogates::Replaced) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    return ToUtf16Le(utf8, LoneSurrogates::Replaced);
}

std::string Utf16LeToUtf8(std::string_view utf16) {
    return FromUtf16Le(utf16, LoneSurrogates::Replaced);
}

std::string Wtf8ToUtf16Le(std::string_view wtf8) {
    return ToUtf16Le(wtf8, LoneSurrogates::Kept);
}

std::string Utf16LeToWtf8(std::string_view utf16) {
    return FromUtf16Le(utf16, LoneSurrogates::Kept);
}

}  // namespace base

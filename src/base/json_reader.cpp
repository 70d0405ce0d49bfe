#include "base/json_reader.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "base/utf16_text.h"

namespace base {

namespace {

// The bytes that a string holds as they are: not its end, not an escape and
// no control character.
constexpr std::array<bool, 256> kPlainStringBytes = [] {
    std::array<bool, 256> plain{};
    for (std::size_t byte = 0x20; byte < plain.size(); ++byte) {
        plain[byte] = byte != '"' && byte != '\\';
    }
    return plain;
}();

// Where the run of plain string bytes from `at` ends. Eight bytes are
// tested at a time, since a browser's settings hold strings of a megabyte
// and this scan is most of the time the reading of them takes.
std::size_t PlainRunEnd(std::string_view text, std::size_t at) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    // Whether any byte of the word is zero, or below n (n at most 0x80).
    const auto anyBelow = [](std::uint64_t word, std::uint64_t n) {
        return ((word - kOnes * n) & ~word & kHighs) != 0;
    };
    while (at + sizeof(std::uint64_t) <= text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, sizeof word);
        if (anyBelow(word, 0x20) || anyBelow(word ^ (kOnes * '"'), 1) ||
            anyBelow(word ^ (kOnes * '\\'), 1)) {
            break;
        }
        at += sizeof word;
    }
    while (at < text.size() && kPlainStringBytes[static_cast<unsigned char>(text[at])]) {
        ++at;
    }
    return at;
}

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    std::optional<JsonValue> Document() {
        SkipSpace();
        std::optional<JsonValue> value = Value(0);
        SkipSpace();
        if (!value || m_at != m_text.size()) {
            return std::nullopt;
        }
        return value;
    }

    [[nodiscard]] bool TooDeep() const noexcept { return m_tooDeep; }

private:
    bool AtEnd() const noexcept { return m_at >= m_text.size(); }
    char Peek() const noexcept { return AtEnd() ? '\0' : m_text[m_at]; }

    void SkipSpace() noexcept {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++m_at;
        }
    }

    bool Literal(std::string_view word) noexcept {
        if (m_text.substr(m_at, word.size()) != word) {
            return false;
        }
        m_at += word.size();
        return true;
    }

    std::optional<JsonValue> Value(int depth) {
        JsonValue value;
        switch (Peek()) {
            case '{':
            case '[':
                if (depth >= kJsonMaxDepth) {
                    m_tooDeep = true;
                    return std::nullopt;
                }
                return Peek() == '{' ? Object(depth + 1) : Array(depth + 1);
            case '"': {
                std::optional<std::string> text = String();
                if (!text) {
                    return std::nullopt;
                }
                value.kind = JsonValue::Kind::String;
                value.text = std::move(*text);
                return value;
            }
            case 't':
            case 'f':
                value.kind = JsonValue::Kind::Bool;
                value.boolean = Peek() == 't';
                return Literal(value.boolean ? "true" : "false") ? std::optional(value)
                                                                 : std::nullopt;
            case 'n':
                return Literal("null") ? std::optional(value) : std::nullopt;
            default:
                return Number();
        }
    }

    std::optional<JsonValue> Object(int depth) {
        JsonValue object;
        object.kind = JsonValue::Kind::Object;
        ++m_at;
        SkipSpace();
        if (Peek() == '}') {
            ++m_at;
            return object;
        }
        for (;;) {
            SkipSpace();
            if (Peek() != '"') {
                return std::nullopt;
            }
            std::optional<std::string> name = String();
            SkipSpace();
            if (!name || Peek() != ':') {
                return std::nullopt;
            }
            ++m_at;
            SkipSpace();
            std::optional<JsonValue> member = Value(depth);
            if (!member) {
                return std::nullopt;
            }
            object.members.push_back({std::move(*name), std::move(*member)});
            SkipSpace();
            if (Peek() == ',') {
                ++m_at;
                continue;
            }
            if (Peek() != '}') {
                return std::nullopt;
            }
            ++m_at;
            return object;
        }
    }

    std::optional<JsonValue> Array(int depth) {
        JsonValue array;
        array.kind = JsonValue::Kind::Array;
        ++m_at;
        SkipSpace();
        if (Peek() == ']') {
            ++m_at;
            return array;
        }
        for (;;) {
            SkipSpace();
            std::optional<JsonValue> item = Value(depth);
            if (!item) {
                return std::nullopt;
            }
            array.items.push_back(std::move(*item));
            SkipSpace();
            if (Peek() == ',') {
                ++m_at;
                continue;
            }
            if (Peek() != ']') {
                return std::nullopt;
            }
            ++m_at;
            return array;
        }
    }

    bool Digits() noexcept {
        const std::size_t start = m_at;
        while (!AtEnd() && Peek() >= '0' && Peek() <= '9') {
            ++m_at;
        }
        return m_at > start;
    }

    std::optional<JsonValue> Number() {
        const std::size_t start = m_at;
        if (Peek() == '-') {
            ++m_at;
        }
        if (Peek() == '0') {
            ++m_at;
        } else if (!Digits()) {
            return std::nullopt;
        }
        if (Peek() == '.') {
            ++m_at;
            if (!Digits()) {
                return std::nullopt;
            }
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++m_at;
            if (Peek() == '+' || Peek() == '-') {
                ++m_at;
            }
            if (!Digits()) {
                return std::nullopt;
            }
        }
        JsonValue value;
        value.kind = JsonValue::Kind::Number;
        value.text = std::string(m_text.substr(start, m_at - start));
        return value;
    }

    std::optional<std::uint32_t> Hex4() noexcept {
        if (m_text.size() - m_at < 4) {
            return std::nullopt;
        }
        std::uint32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_at++];
            unit <<= 4;
            if (c >= '0' && c <= '9') {
                unit |= static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                unit |= static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                unit |= static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return std::nullopt;
            }
        }
        return unit;
    }

    // A \u escape, with the second half of a surrogate pair. A lone half is
    // no character: it reads as U+FFFD, as the browsers read it, and what
    // follows it is read on its own.
    bool UnicodeEscape(std::string& out) {
        std::optional<std::uint32_t> unit = Hex4();
        if (!unit) {
            return false;
        }
        if (*unit >= 0xDC00 && *unit <= 0xDFFF) {
            *unit = kReplacementCharacter;
        } else if (*unit >= 0xD800 && *unit <= 0xDBFF) {
            const std::size_t after = m_at;
            const std::optional<std::uint32_t> low =
                Literal("\\u") ? Hex4() : std::optional<std::uint32_t>();
            if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
                *unit = 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00);
            } else {
                m_at = after;
                *unit = kReplacementCharacter;
            }
        }
        AppendUtf8(out, static_cast<char32_t>(*unit));
        return true;
    }

    std::optional<std::string> String() {
        std::string out;
        ++m_at;
        for (;;) {
            if (AtEnd()) {
                return std::nullopt;
            }
            const char c = m_text[m_at++];
            if (c == '"') {
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return std::nullopt;
            }
            if (c != '\\') {
                // The run of plain bytes it starts goes in one piece: a
                // browser's settings hold strings of a megabyte.
                const std::size_t end = PlainRunEnd(m_text, m_at);
                out.append(m_text.substr(m_at - 1, end - m_at + 1));
                m_at = end;
                continue;
            }
            if (AtEnd()) {
                return std::nullopt;
            }
            const char escape = m_text[m_at++];
            switch (escape) {
                case '"':
                case '\\':
                case '/':
                    out += escape;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    if (!UnicodeEscape(out)) {
                        return std::nullopt;
                    }
                    break;
                default:
                    return std::nullopt;
            }
        }
    }

    static constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

    std::string_view m_text;
    std::size_t m_at = 0;
    bool m_tooDeep = false;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view name) const {
    const std::vector<const JsonValue*> named = MembersNamed(name);
    return named.empty() ? nullptr : named.back();
}

std::vector<const JsonValue*> JsonValue::MembersNamed(std::string_view name) const {
    std::vector<const JsonValue*> named;
    if (kind == Kind::Object) {
        for (const JsonMember& member : members) {
            if (member.name == name) {
                named.push_back(&member.value);
            }
        }
    }
    return named;
}

std::string JsonValue::StringMember(std::string_view name) const {
    const JsonValue* member = Member(name);
    return member != nullptr && member->IsString() ? member->text : std::string();
}

JsonReadResult ReadJson(std::string_view text, std::size_t maxSize) {
    JsonReadResult result;
    if (text.size() > maxSize) {
        result.status = JsonStatus::BeyondLimits;
        return result;
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    Reader reader(text);
    result.value = reader.Document();
    if (result.value) {
        result.status = JsonStatus::Read;
    } else if (reader.TooDeep()) {
        result.status = JsonStatus::BeyondLimits;
    }
    return result;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
    return ReadJson(text).value;
}

}  // namespace base

#include "removal/reg_file.h"

#include <cstdint>

#include "base/text.h"
#include "base/utf16_text.h"
#include "platform/text_codec.h"

namespace removal {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kByteOrderMark = "\xFF\xFE";
// regedit breaks hex data after a comma once a line reaches this length.
constexpr std::size_t kWrapColumn = 76;

bool IsStringType(std::uint32_t type) {
    return type == platform::reg_type::kString || type == platform::reg_type::kExpandString ||
           type == platform::reg_type::kMultiString;
}

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out.push_back('\\');
        }
        out.push_back(c);
    }
    return out + "\"";
}

// The quoted form holds a REG_SZ exactly when it is text and one NUL.
bool QuotedFormFits(const std::string& data) {
    if (data.empty() || data.back() != '\0') {
        return false;
    }
    const std::string_view text(data.data(), data.size() - 1);
    return text.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos;
}

std::string HexPrefix(std::uint32_t type) {
    if (type == platform::reg_type::kBinary) {
        return "hex:";
    }
    constexpr char kDigits[] = "0123456789abcdef";
    std::string number;
    for (std::uint32_t rest = type;; rest >>= 4) {
        number.insert(number.begin(), kDigits[rest & 0xf]);
        if (rest < 16) {
            break;
        }
    }
    return "hex(" + number + "):";
}

void AppendHex(std::string& line, std::string_view bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::size_t column = line.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        line.push_back(kDigits[byte >> 4]);
        line.push_back(kDigits[byte & 0xf]);
        column += 2;
        if (i + 1 < bytes.size()) {
            line.push_back(',');
            ++column;
            if (column >= kWrapColumn) {
                line.append("\\\r\n  ");
                column = 2;
            }
        }
    }
}

std::string ValueLine(const platform::NamedRegistryValue& entry, platform::TextCodec& codec) {
    std::string line = entry.name.empty() ? "@" : Quoted(codec.AnsiToUtf8(entry.name));
    line.push_back('=');
    const platform::RegistryValue& value = entry.value;
    if (value.type == platform::reg_type::kString && QuotedFormFits(value.data)) {
        line +=
            Quoted(codec.AnsiToUtf8(std::string_view(value.data).substr(0, value.data.size() - 1)));
    } else if (value.type == platform::reg_type::kDword && value.data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) {
            number = number << 8 | static_cast<unsigned char>(value.data[i]);
        }
        char text[9];
        for (int i = 7; i >= 0; --i) {
            text[i] = "0123456789abcdef"[number & 0xf];
            number >>= 4;
        }
        line.append("dword:").append(text, 8);
    } else {
        line += HexPrefix(value.type);
        AppendHex(line, IsStringType(value.type) ? base::Wtf8ToUtf16Le(codec.AnsiToUtf8(value.data))
                                                 : value.data);
    }
    return line + "\r\n";
}

// --- Reading ---

std::string_view TrimmedRight(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view TrimmedLeft(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

// A quoted text from `at` (its opening quote); `at` moves past the closing
// quote. nullopt when it does not close.
std::optional<std::string> QuotedText(std::string_view line, std::size_t& at) {
    std::string text;
    for (std::size_t i = at + 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            text.push_back(line[++i]);
        } else if (line[i] == '"') {
            at = i + 1;
            return text;
        } else {
            text.push_back(line[i]);
        }
    }
    return std::nullopt;
}

// Two-digit hex bytes between commas; blanks anywhere are ignored.
std::optional<std::string> HexBytes(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (c != ' ' && c != '\t') {
            digits.push_back(c);
        }
    }
    std::string bytes;
    if (digits.empty()) {
        return bytes;
    }
    for (std::size_t i = 0;;) {
        if (i + 2 > digits.size() || base::HexDigitValue(digits[i]) < 0 ||
            base::HexDigitValue(digits[i + 1]) < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(base::HexDigitValue(digits[i]) << 4 |
                                          base::HexDigitValue(digits[i + 1])));
        i += 2;
        if (i == digits.size()) {
            return bytes;
        }
        if (digits[i] != ',') {
            return std::nullopt;
        }
        ++i;
    }
}

std::optional<platform::RegistryValue> ValueData(std::string_view data,
                                                 platform::TextCodec& codec) {
    platform::RegistryValue value;
    data = TrimmedLeft(data);
    if (data.starts_with('"')) {
        std::size_t at = 0;
        std::optional<std::string> text = QuotedText(data, at);
        if (!text || !TrimmedRight(data.substr(at)).empty()) {
            return std::nullopt;
        }
        value.type = platform::reg_type::kString;
        value.data = codec.Utf8ToAnsi(*text);
        value.data.push_back('\0');
        return value;
    }
    if (data.starts_with("dword:")) {
        const std::string_view digits = TrimmedRight(data.substr(6));
        if (digits.size() != 8) {
            return std::nullopt;
        }
        std::uint32_t number = 0;
        for (const char c : digits) {
            if (base::HexDigitValue(c) < 0) {
                return std::nullopt;
            }
            number = number << 4 | static_cast<std::uint32_t>(base::HexDigitValue(c));
        }
        value.type = platform::reg_type::kDword;
        for (int i = 0; i < 4; ++i) {
            value.data.push_back(static_cast<char>(number >> (8 * i) & 0xff));
        }
        return value;
    }
    std::size_t colon = 0;
    if (data.starts_with("hex:")) {
        value.type = platform::reg_type::kBinary;
        colon = 3;
    } else if (data.starts_with("hex(")) {
        const std::size_t close = data.find(')');
        if (close == std::string_view::npos || close == 4 || close > 12 ||
            close + 1 >= data.size() || data[close + 1] != ':') {
            return std::nullopt;
        }
        std::uint64_t type = 0;
        for (const char c : data.substr(4, close - 4)) {
            if (base::HexDigitValue(c) < 0) {
                return std::nullopt;
            }
            type = type << 4 | static_cast<std::uint64_t>(base::HexDigitValue(c));
        }
        if (type > 0xFFFFFFFFu) {
            return std::nullopt;
        }
        value.type = static_cast<std::uint32_t>(type);
        colon = close + 1;
    } else {
        return std::nullopt;
    }
    std::optional<std::string> bytes = HexBytes(data.substr(colon + 1));
    if (!bytes) {
        return std::nullopt;
    }
    value.data = IsStringType(value.type) ? codec.Utf8ToAnsi(base::Utf16LeToWtf8(*bytes))
                                          : std::move(*bytes);
    return value;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(TrimmedRight(text.substr(start, end - start)));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::string WriteRegFile(const std::vector<RegFileKey>& keys, platform::TextCodec& codec) {
    std::string text(kHeader);
    text.append("\r\n\r\n");
    for (const RegFileKey& key : keys) {
        text.append("[").append(codec.AnsiToUtf8(key.name)).append("]\r\n");
        for (const platform::NamedRegistryValue& value : key.values) {
            text += ValueLine(value, codec);
        }
        text.append("\r\n");
    }
    return std::string(kByteOrderMark) + base::Wtf8ToUtf16Le(text);
}

std::optional<std::vector<RegFileKey>> ParseRegFile(std::string_view bytes,
                                                    platform::TextCodec& codec) {
    if (!bytes.starts_with(kByteOrderMark)) {
        return std::nullopt;
    }
    const std::string text = base::Utf16LeToWtf8(bytes.substr(kByteOrderMark.size()));
    const std::vector<std::string_view> lines = Lines(text);
    std::vector<RegFileKey> keys;
    bool headerSeen = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = TrimmedLeft(lines[i]);
        if (line.empty() || line.starts_with(';')) {
            continue;
        }
        if (!headerSeen) {
            if (line != kHeader) {
                return std::nullopt;
            }
            headerSeen = true;
            continue;
        }
        if (line.starts_with('[')) {
            const std::size_t close = line.rfind(']');
            if (line.starts_with("[-") || close == std::string_view::npos || close < 2) {
                return std::nullopt;
            }
            keys.push_back({codec.Utf8ToAnsi(line.substr(1, close - 1)), {}});
            continue;
        }
        if (keys.empty()) {
            return std::nullopt;
        }
        platform::NamedRegistryValue entry;
        std::size_t at = 0;
        if (line.starts_with('@')) {
            at = 1;
        } else if (line.starts_with('"')) {
            std::optional<std::string> name = QuotedText(line, at);
            if (!name) {
                return std::nullopt;
            }
            entry.name = codec.Utf8ToAnsi(*name);
        } else {
            return std::nullopt;
        }
        const std::string_view rest = TrimmedLeft(line.substr(at));
        if (!rest.starts_with('=')) {
            return std::nullopt;
        }
        std::string data(TrimmedLeft(rest.substr(1)));
        // Long hex data goes on over lines that end in a backslash.
        if (data.starts_with("hex")) {
            while (!data.empty() && data.back() == '\\' && i + 1 < lines.size()) {
                data.pop_back();
                data += TrimmedLeft(lines[++i]);
            }
        }
        std::optional<platform::RegistryValue> value = ValueData(data, codec);
        if (!value) {
            return std::nullopt;
        }
        entry.value = std::move(*value);
        keys.back().values.push_back(std::move(entry));
    }
    if (!headerSeen) {
        return std::nullopt;
    }
    return keys;
}

}  // namespace removal

#include "fakes/fake_ports.h"

#include <array>
#include <cstdint>

#include "base/text.h"

namespace fakes {

bool FakeShell::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                        std::string_view folder, platform::WindowShow show) {
    executed.push_back(
        {std::string(verb), std::string(file), std::string(parameters), std::string(folder), show});
    return succeed;
}

bool FakeShell::StartCommandLine(std::string_view commandLine, platform::WindowShow) {
    commandLines.emplace_back(commandLine);
    return succeed;
}

namespace {

constexpr std::string_view kLinkMark = "LNK\n";

}  // namespace

std::string FakeShell::LinkContent(const platform::ShortcutLink& link) {
    return std::string(kLinkMark) + link.target + "\n" + link.arguments;
}

std::optional<platform::ShortcutLink> FakeShell::ReadShortcut(std::string_view path) {
    if (const std::optional<std::string> content =
            m_files != nullptr ? m_files->ReadWholeFile(path) : std::nullopt;
        content && content->starts_with(kLinkMark)) {
        const std::string rest = content->substr(kLinkMark.size());
        const std::size_t line = rest.find('\n');
        if (line == std::string::npos) {
            return std::nullopt;
        }
        return platform::ShortcutLink{rest.substr(0, line), rest.substr(line + 1)};
    }
    const auto found = shortcuts.find(base::UpperCase(path));
    if (found == shortcuts.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool FakeShell::WriteShortcutArguments(std::string_view path, std::string_view arguments) {
    std::optional<platform::ShortcutLink> link = ReadShortcut(path);
    if (!link) {
        return false;
    }
    link->arguments = std::string(arguments);
    if (const std::optional<std::string> content =
            m_files != nullptr ? m_files->ReadWholeFile(path) : std::nullopt;
        content && content->starts_with(kLinkMark)) {
        return m_files->WriteWholeFile(path, LinkContent(*link));
    }
    shortcuts[base::UpperCase(path)] = *link;
    return true;
}

platform::MessageAnswer ScriptedDialogs::ShowMessage(std::string_view text, std::string_view title,
                                                     platform::MessageButtons buttons,
                                                     platform::MessageIcon icon) {
    shown.push_back({std::string(text), std::string(title), buttons, icon});
    if (onShow) {
        onShow(shown.back());
    }
    if (!answers.empty()) {
        const platform::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (buttons) {
        case platform::MessageButtons::Ok:
        case platform::MessageButtons::OkCancel:
            return platform::MessageAnswer::Ok;
        case platform::MessageButtons::AbortRetryIgnore:
            return platform::MessageAnswer::Abort;
        case platform::MessageButtons::YesNoCancel:
        case platform::MessageButtons::YesNo:
            return platform::MessageAnswer::Yes;
        case platform::MessageButtons::RetryCancel:
            return platform::MessageAnswer::Retry;
    }
    return platform::MessageAnswer::Ok;
}

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252; 0 where the code
// page has no character.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToAnsi(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string Utf8To1252(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > utf8.size()) {
            out += '?';
            ++i;
            continue;
        }
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = valid && (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        out += valid ? ToAnsi(code) : '?';
        i += valid ? length : 1;
    }
    return out;
}

std::string Windows1252ToUtf8(std::string_view ansi) {
    std::string out;
    for (char c : ansi) {
        const auto byte = static_cast<unsigned char>(c);
        char32_t code = byte;
        if (byte >= 0x80 && byte < 0xA0) {
            code = kHighControls[byte - 0x80] != 0 ? kHighControls[byte - 0x80] : U'?';
        }
        AppendUtf8(out, code);
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

}  // namespace

std::string Windows1252Codec::Utf8ToAnsi(std::string_view utf8) {
    if (utf8Program) {
        return std::string(utf8);
    }
    return Utf8To1252(utf8);
}

std::string Windows1252Codec::AnsiToUtf8(std::string_view ansi) {
    if (utf8Program) {
        return std::string(ansi);
    }
    return Windows1252ToUtf8(ansi);
}

std::string Windows1252Codec::LegacyToAnsi(std::string_view legacy) {
    if (!utf8Program) {
        return std::string(legacy);
    }
    return Windows1252ToUtf8(legacy);
}

std::string Windows1252Codec::StoredToAnsi(std::string_view stored) {
    if (!utf8Program || IsValidUtf8(stored)) {
        return std::string(stored);
    }
    return Windows1252ToUtf8(stored);
}

std::optional<std::string> Windows1252Codec::HostNameToAscii(std::string_view utf8) {
    if (const auto known = hostNames.find(utf8); known != hostNames.end()) {
        return known->second;
    }
    std::string ascii;
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return std::nullopt;
        }
        ascii += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return ascii;
}

namespace {

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::optional<std::string> FakeLocaleFormats::ShortDate(const platform::DateTime& value) {
    if (profile == Profile::Germany) {
        return TwoDigits(value.day) + "." + TwoDigits(value.month) + "." +
               std::to_string(value.year);
    }
    if (profile == Profile::UnitedKingdom) {
        return TwoDigits(value.day) + "/" + TwoDigits(value.month) + "/" +
               std::to_string(value.year);
    }
    return std::to_string(value.month) + "/" + std::to_string(value.day) + "/" +
           std::to_string(value.year);
}

std::optional<std::string> FakeLocaleFormats::LongTime(const platform::DateTime& value) {
    const std::string minutesAndSeconds = TwoDigits(value.minute) + ":" + TwoDigits(value.second);
    if (profile != Profile::UnitedStates) {
        return TwoDigits(value.hour) + ":" + minutesAndSeconds;
    }
    const int hour12 = value.hour % 12 == 0 ? 12 : value.hour % 12;
    return std::to_string(hour12) + ":" + minutesAndSeconds + (value.hour < 12 ? " AM" : " PM");
}

std::optional<std::string> FakeLocaleFormats::WholeNumber(std::int64_t value) {
    const char separator = profile == Profile::Germany ? '.' : ',';
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), 1, separator);
    }
    return value < 0 ? "-" + digits : digits;
}

}  // namespace fakes

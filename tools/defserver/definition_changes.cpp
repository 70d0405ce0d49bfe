#include "definition_changes.h"

#include <array>
#include <optional>
#include <vector>

#include "ansi_text.h"
#include "base/text.h"
#include "definitions/line_code.h"

namespace defserver {

namespace {

constexpr std::array<std::string_view, 7> kFileKinds{"FILE", "EXE", "DLL", "REG",
                                                     "COOK", "DIR", "EXT"};
constexpr std::array<std::string_view, 6> kSafetyKinds{"SFILE", "SEXE", "SDLL",
                                                       "SREG",  "SDIR", "SEXT"};

constexpr std::string_view kRegistryShapes =
    "a REG definition reads root^key[^value]^=threat name[|type], as RegistryDefinition holds "
    "it, or key=threat name|root^key[^value]|type";

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        fields.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

std::string Shown(char c) {
    return "\"" + AnsiToUtf8(std::string(1, c)) + "\"";
}

// Characters that do not come through the exchange as they were: the
// program would split, cut or misread the line.
std::optional<std::string> CharacterProblem(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::string where = " at position " + std::to_string(i + 1);
        if (c < 32 || c == 127) {
            return "control character " + std::to_string(c) + where;
        }
        switch (c) {
            case '<':
                return Shown(text[i]) + where +
                       ": its coded form is \"|\", which the program takes for a separator";
            case 0xFC:
                return Shown(text[i]) + where +
                       ": its coded form is \"=\", which the program takes for a separator";
            case 0xC9:
            case 0xCC:
                return Shown(text[i]) + where +
                       ": its coded form is a line end, which would split the line";
            case 0xFF:
                return Shown(text[i]) + where + ": its coded form decodes to a null character";
            default:
                break;
        }
    }
    return std::nullopt;
}

// "ß" codes to a space, which the program trims off the end of a record.
std::optional<std::string> EndProblem(std::string_view text) {
    if (!text.empty() && static_cast<unsigned char>(text.back()) == 0xDF) {
        return "it cannot end in " + Shown(text.back()) +
               ": its coded form is a space, which the program trims off";
    }
    return std::nullopt;
}

std::string WireBody(std::string_view plain) {
    std::string body(plain);
    for (char& c : body) {
        if (c != '|' && c != '=') {
            c = definitions::EncodeDefinitionChar(c);
        }
    }
    return body;
}

std::string_view WithoutSafetyPrefix(std::string_view kind, std::string_view text) {
    if (IsSafetyKind(kind) && text.size() > kind.size() && text[kind.size()] == '|' &&
        base::StartsWithIgnoreCase(text, kind)) {
        return text.substr(kind.size() + 1);
    }
    return text;
}

// A registry location: root code, key path and, for a value, its name.
std::optional<std::string> LocationProblem(std::string_view location) {
    const std::vector<std::string_view> fields = Split(location, '^');
    if (fields.size() < 2 || fields.size() > 3) {
        return "the registry location \"" + AnsiToUtf8(location) +
               "\" does not read root^key or root^key^value";
    }
    if (fields[0].size() != 1 || fields[0][0] < '0' || fields[0][0] > '5') {
        // The program would read a word such as HKLM as 0, HKEY_CLASSES_ROOT.
        return "the root of a registry location is a number from 0 (HKEY_CLASSES_ROOT) to 5 "
               "(HKEY_DYN_DATA), not \"" +
               AnsiToUtf8(fields[0]) + "\"";
    }
    if (base::IsBlank(fields[1])) {
        return "the registry location \"" + AnsiToUtf8(location) + "\" has no key path";
    }
    return std::nullopt;
}

// The program writes a registry line as location "^=" threat "|" type; its
// key is that line up to the first "=".
std::string RegistryKey(std::string_view location) {
    const std::string line = std::string(location) + "^=";
    return line.substr(0, line.find('='));
}

bool HasUpdateShape(const std::vector<std::string_view>& fields) {
    return fields.size() >= 3 && fields[0].find('=') != std::string_view::npos &&
           !LocationProblem(fields[1]);
}

// The location part of a line as RegistryDefinition holds it.
std::string_view FileLineLocation(std::string_view line) {
    std::string_view location = line.substr(0, line.rfind('='));
    if (!location.empty() && location.back() == '^') {
        location.remove_suffix(1);
    }
    return location;
}

Checked<std::string> RegistryBody(std::string_view text) {
    using Result = Checked<std::string>;
    const std::vector<std::string_view> fields = Split(text, '|');
    if (HasUpdateShape(fields)) {
        if (fields.size() > 3) {
            return Result::Failure(
                "the program drops everything after the fourth part of "
                "key=threat name|location|type");
        }
        const std::size_t equals = fields[0].find('=');
        const std::string_view threat = fields[0].substr(equals + 1);
        if (base::IsBlank(fields[0].substr(0, equals))) {
            return Result::Failure("the key before \"=\" is empty");
        }
        if (threat.find('=') != std::string_view::npos) {
            return Result::Failure("the threat name holds \"=\"; the program cuts it there");
        }
        if (base::IsBlank(threat)) {
            return Result::Failure("the threat name is empty");
        }
        return std::string(text);
    }
    const std::size_t equals = text.rfind('=');
    if (equals == std::string_view::npos) {
        return Result::Failure(std::string(kRegistryShapes));
    }
    const std::string_view location = FileLineLocation(text);
    if (const std::optional<std::string> problem = LocationProblem(location)) {
        return Result::Failure(*problem + "; " + std::string(kRegistryShapes));
    }
    const std::string_view name = base::TrimView(text.substr(equals + 1));
    const std::size_t bar = name.find('|');
    const std::string_view threat = base::TrimView(name.substr(0, bar));
    const std::string_view type = bar == std::string_view::npos ? "" : name.substr(bar + 1);
    if (threat.empty()) {
        return Result::Failure("the threat name is empty");
    }
    if (type.find('|') != std::string_view::npos) {
        return Result::Failure(
            "the type text holds \"|\"; the program keeps one field after the threat name");
    }
    return RegistryKey(location) + "=" + std::string(threat) + "|" + std::string(location) + "|" +
           std::string(type);
}

// The shape each kind's definition file needs for the program to use a line.
std::optional<std::string> ShapeProblem(std::string_view kind, std::string_view text) {
    const std::size_t equals = text.find('=');
    const bool named = equals != std::string_view::npos && !base::IsBlank(text.substr(0, equals));
    if (kind == "FILE" || kind == "EXE" || kind == "DLL") {
        if (!named) {
            return "a " + std::string(kind) +
                   " definition reads file name=threat name|folder[|type]";
        }
    } else if (kind == "DIR") {
        if (!named || text.find('|') == std::string_view::npos) {
            return std::string(
                "a DIR definition reads label=threat name|folder[|type]; the "
                "program passes over one without a folder");
        }
    } else if (kind == "COOK") {
        if (equals != std::string_view::npos) {
            return std::string(
                "a COOK definition is a cookie domain alone; the program keeps "
                "nothing from \"=\" on");
        }
    } else if (kind == "EXT") {
        const std::vector<std::string_view> fields = Split(text, '|');
        const std::string_view threat = named ? fields[0].substr(equals + 1) : std::string_view();
        if (!named || fields.size() < 2 || fields.size() > 3 || base::IsBlank(threat)) {
            return std::string(
                "an EXT definition reads extension ID=threat name|browser family[|type]");
        }
        const std::string_view family = base::TrimView(fields[1]);
        if (family != "chromium" && family != "firefox" && family != "*") {
            return "the browser family is chromium, firefox or *, not \"" + AnsiToUtf8(family) +
                   "\"";
        }
    } else if (kind == "SREG") {
        const std::vector<std::string_view> fields = Split(text, '|');
        if (fields.size() < 2) {
            return std::string("an SREG definition reads name|root^key[^value]");
        }
        return LocationProblem(fields[1]);
    } else if (kind == "SDIR") {
        const std::vector<std::string_view> fields = Split(text, '|');
        if (fields.size() < 2 || base::IsBlank(fields[1])) {
            return std::string("an SDIR definition reads name|folder");
        }
    }
    return std::nullopt;
}

Checked<Change> Refused(std::string_view kind, std::string why) {
    return Checked<Change>::Failure(std::string(kind) + ": " + std::move(why));
}

}  // namespace

std::string_view OperationText(Operation operation) noexcept {
    return operation == Operation::Add ? "ADD" : "DEL";
}

bool IsSafetyKind(std::string_view kind) noexcept {
    for (const std::string_view safety : kSafetyKinds) {
        if (kind == safety) {
            return true;
        }
    }
    return false;
}

Checked<std::string> ReadKind(std::string_view kind) {
    const std::string upper = base::UpperCase(kind);
    for (const std::string_view known : kFileKinds) {
        if (upper == known) {
            return upper;
        }
    }
    if (IsSafetyKind(upper)) {
        return upper;
    }
    return Checked<std::string>::Failure(
        "unknown kind \"" + AnsiToUtf8(kind) +
        "\": use FILE, EXE, DLL, REG, COOK, DIR, EXT or a Safety kind (SFILE, SEXE, SDLL, SREG, "
        "SDIR, SEXT)");
}

Checked<Change> MakeAddition(std::string_view kindText, std::string_view line) {
    const Checked<std::string> kind = ReadKind(kindText);
    if (!kind) {
        return Checked<Change>::Failure(kind.Error());
    }
    std::string text(base::TrimView(WithoutSafetyPrefix(*kind, base::TrimView(line))));
    if (text.empty()) {
        return Refused(*kind, "the definition is empty");
    }
    if (const std::optional<std::string> problem = CharacterProblem(text)) {
        return Refused(*kind, *problem);
    }
    if (*kind == "REG") {
        Checked<std::string> body = RegistryBody(text);
        if (!body) {
            return Refused(*kind, body.Error());
        }
        text = std::move(*body);
    } else if (const std::optional<std::string> problem = ShapeProblem(*kind, text)) {
        return Refused(*kind, *problem);
    }
    if (const std::optional<std::string> problem = EndProblem(text)) {
        return Refused(*kind, *problem);
    }
    return Change{*kind, Operation::Add, WireBody(text)};
}

Checked<Change> MakeDeletion(std::string_view kindText, std::string_view lineOrKey) {
    const Checked<std::string> kind = ReadKind(kindText);
    if (!kind) {
        return Checked<Change>::Failure(kind.Error());
    }
    const std::string_view text =
        base::TrimView(WithoutSafetyPrefix(*kind, base::TrimView(lineOrKey)));
    if (text.empty()) {
        return Refused(*kind, "nothing to remove: give the line or its key");
    }
    if (const std::optional<std::string> problem = CharacterProblem(text)) {
        return Refused(*kind, *problem);
    }
    const std::size_t equals = text.find('=');
    std::string key;
    if (*kind == "REG") {
        const std::vector<std::string_view> fields = Split(text, '|');
        std::string_view location;
        if (equals == std::string_view::npos) {
            if (text.back() != '^') {
                return Refused(*kind,
                               "a REG key ends with \"^\" as the program writes every registry "
                               "line: 1^Software\\Acme^ for a key, 1^Software\\Acme^Value^ for "
                               "a value");
            }
            location = text.substr(0, text.size() - 1);
        } else {
            location = HasUpdateShape(fields) ? fields[1] : FileLineLocation(text);
        }
        if (const std::optional<std::string> problem = LocationProblem(location)) {
            return Refused(*kind, *problem);
        }
        key = RegistryKey(location);
    } else if (IsSafetyKind(*kind)) {
        key = *kind + "|" + std::string(text.substr(0, equals));
    } else {
        key = std::string(text.substr(0, equals));
        if (key.find('|') != std::string::npos) {
            return Refused(*kind, "the key, the text before the first \"=\", holds \"|\"");
        }
    }
    if (base::IsBlank(key)) {
        return Refused(*kind, "the key, the text before the first \"=\", is empty");
    }
    if (const std::optional<std::string> problem = EndProblem(key)) {
        return Refused(*kind, "the key: " + *problem);
    }
    return Change{*kind, Operation::Del, definitions::EncodeDefinitionLine(key)};
}

std::string PlainBody(Operation operation, std::string_view body) {
    if (operation == Operation::Del) {
        return definitions::DecodeDefinitionLine(body);
    }
    std::string plain(body);
    for (char& c : plain) {
        if (c != '|' && c != '=') {
            c = definitions::DecodeDefinitionChar(c);
        }
    }
    return plain;
}

void AppendUpdateRecord(std::string& text, std::string_view kind, Operation operation,
                        std::string_view body) {
    if (!text.empty()) {
        text += "[BR]";
    }
    for (const char c : kind) {
        text.push_back(definitions::EncodeDefinitionChar(c));
    }
    text.push_back('|');
    text += OperationText(operation);
    text += "[DEF]";
    text += body;
}

}  // namespace defserver

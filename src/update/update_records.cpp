#include "update/update_records.h"

#include "core/text.h"
#include "definitions/definition_files.h"
#include "definitions/line_code.h"

namespace update {

namespace {

constexpr std::string_view kRecordSeparator = "[BR]";
constexpr std::string_view kBodySeparator = "[DEF]";

std::string_view BeforeFirst(std::string_view text, char separator) {
    return text.substr(0, text.find(separator));
}

// The body with its plain separators in the line code, as the files keep them.
std::string CodedSeparators(std::string_view body) {
    const std::string bar(1, definitions::EncodeDefinitionChar('|'));
    const std::string equals(1, definitions::EncodeDefinitionChar('='));
    return core::ReplaceAll(core::ReplaceAll(body, "|", bar), "=", equals);
}

// A registry body A=B|C|D has the fields the line needs.
bool IsWholeRegistryBody(std::string_view body) {
    const std::vector<std::string> fields = core::Split(body, "|");
    return fields.size() >= 3 && fields[0].find('=') != std::string::npos;
}

std::optional<UpdateRecord> ReadRecord(std::string_view text) {
    const std::string record = core::Trim(text);
    const std::size_t bodyStart = record.find(kBodySeparator);
    if (bodyStart == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view header = std::string_view(record).substr(0, bodyStart);
    std::string_view body = std::string_view(record).substr(bodyStart + kBodySeparator.size());
    body = body.substr(0, body.find(kBodySeparator));
    const std::vector<std::string> fields = core::Split(header, "|");
    if (fields.size() < 2 || body.empty()) {
        return std::nullopt;
    }
    UpdateRecord result;
    result.kind = definitions::DecodeDefinitionLine(fields[0]);
    if (fields[1] == "ADD") {
        result.operation = Operation::Add;
    } else if (fields[1] == "DEL") {
        result.operation = Operation::Delete;
    } else {
        return std::nullopt;
    }
    if (result.kind.empty() || (result.kind == "REG" && result.operation == Operation::Add &&
                                !IsWholeRegistryBody(body))) {
        return std::nullopt;
    }
    result.body = body;
    return result;
}

}  // namespace

std::string_view TargetFileName(TargetFile target) noexcept {
    switch (target) {
        case TargetFile::Files:
            return definitions::kFileDefinitions;
        case TargetFile::Executables:
            return definitions::kExeDefinitions;
        case TargetFile::Registry:
            return definitions::kRegistryDefinitions;
        case TargetFile::Cookies:
            return definitions::kBlockedCookies;
        case TargetFile::Folders:
            return definitions::kDirectoryDefinitions;
        case TargetFile::Safety:
            return definitions::kSafetyList;
    }
    return {};
}

bool Accepts(TargetFile target, std::string_view kind) noexcept {
    switch (target) {
        case TargetFile::Files:
            return kind == "FILE" || kind == "EXE" || kind == "DLL";
        case TargetFile::Executables:
            return kind == "EXE";
        case TargetFile::Registry:
            return kind == "REG";
        case TargetFile::Cookies:
            return kind == "COOK";
        case TargetFile::Folders:
            return kind == "DIR";
        case TargetFile::Safety:
            // The safety kinds all start with "S"; no other kind holds one.
            return kind.find_first_of("Ss") != std::string_view::npos;
    }
    return false;
}

std::vector<UpdateRecord> ReadUpdateRecords(std::string_view updateText) {
    std::vector<UpdateRecord> records;
    std::size_t start = 0;
    while (start <= updateText.size()) {
        const std::size_t end = core::FindIgnoreCase(updateText, kRecordSeparator, start);
        const std::string_view text = updateText.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (std::optional<UpdateRecord> record = ReadRecord(text)) {
            records.push_back(std::move(*record));
        }
        if (end == std::string_view::npos) {
            break;
        }
        start = end + kRecordSeparator.size();
    }
    return records;
}

std::string DefinitionLineOf(const UpdateRecord& record) {
    const std::string_view body = record.body;
    if (record.kind == "REG") {
        // A=B|C|D becomes C^=B|D: the location, the threat name, the type.
        const std::vector<std::string> fields = core::Split(body, "|");
        const std::string& first = fields[0];
        const std::size_t equals = first.find('=');
        const std::string name = first.substr(equals + 1, first.find('=', equals + 1) - equals - 1);
        return fields[1] + definitions::EncodeDefinitionLine("^=") + name +
               std::string(1, definitions::EncodeDefinitionChar('|')) + fields[2];
    }
    if (record.kind == "COOK") {
        return std::string(BeforeFirst(body, '='));
    }
    if (Accepts(TargetFile::Safety, record.kind)) {
        return definitions::EncodeDefinitionLine(record.kind + "|") + CodedSeparators(body);
    }
    return CodedSeparators(body);
}

std::string RecordKey(std::string_view body) {
    return core::LowerCase(definitions::DecodeDefinitionLine(BeforeFirst(body, '=')));
}

void LineKeyInto(std::string_view codedLine, std::string& key) {
    // The code maps characters one to one, so the coded "=" marks the end.
    const std::string_view codedKey =
        BeforeFirst(codedLine, definitions::EncodeDefinitionChar('='));
    key.clear();
    for (const char c : codedKey) {
        key.push_back(core::ToLowerAnsi(definitions::DecodeDefinitionChar(c)));
    }
}

std::string CleanDateAnswer(std::string_view answer) {
    std::string text;
    for (const char c : core::TrimView(answer)) {
        if (c != '\t' && c != '\r' && c != '\n') {
            text.push_back(c);
        }
    }
    for (const std::string_view marker : {"PM", "AM"}) {
        if (const std::size_t at = core::FindIgnoreCase(text, marker); at != std::string::npos) {
            return text.substr(0, at + marker.size());
        }
    }
    return text;
}

}  // namespace update

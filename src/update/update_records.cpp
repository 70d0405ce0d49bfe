#include "update/update_records.h"

#include <algorithm>
#include <array>

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
    std::string coded(body);
    for (char& c : coded) {
        if (c == '|' || c == '=') {
            c = definitions::EncodeDefinitionChar(c);
        }
    }
    return coded;
}

// A registry body A=B|C|D has the fields the line needs.
bool IsWholeRegistryBody(std::string_view body) {
    return std::count(body.begin(), body.end(), '|') >= 2 &&
           BeforeFirst(body, '|').find('=') != std::string_view::npos;
}

// Views into the text only: an update holds tens of thousands of records.
std::optional<UpdateRecord> ReadRecord(std::string_view text) {
    const std::string_view record = core::TrimView(text);
    const std::size_t bodyStart = record.find(kBodySeparator);
    if (bodyStart == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view header = record.substr(0, bodyStart);
    std::string_view body = record.substr(bodyStart + kBodySeparator.size());
    body = body.substr(0, body.find(kBodySeparator));
    const std::size_t bar = header.find('|');
    if (bar == std::string_view::npos || body.empty()) {
        return std::nullopt;
    }
    UpdateRecord result;
    result.kind = definitions::DecodeDefinitionLine(header.substr(0, bar));
    const std::string_view operation = BeforeFirst(header.substr(bar + 1), '|');
    if (operation == "ADD") {
        result.operation = Operation::Add;
    } else if (operation == "DEL") {
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

// A stored character as it counts in a key: decoded, in lower case.
struct KeyCharTable {
    std::array<char, 256> map{};
    KeyCharTable() {
        for (std::size_t c = 0; c < map.size(); ++c) {
            map[c] = core::ToLowerAnsi(definitions::DecodeDefinitionChar(static_cast<char>(c)));
        }
    }
};

const KeyCharTable& KeyChars() {
    static const KeyCharTable table;
    return table;
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
    const KeyCharTable& table = KeyChars();
    std::string key(BeforeFirst(body, '='));
    for (char& c : key) {
        c = table.map[static_cast<unsigned char>(c)];
    }
    return key;
}

void LineKeyInto(std::string_view codedLine, std::string& key) {
    const KeyCharTable& table = KeyChars();
    // The code maps characters one to one, so the coded "=" marks the end.
    constexpr char kCodedEquals = definitions::EncodeDefinitionChar('=');
    key.resize(codedLine.size());
    std::size_t length = 0;
    for (const char c : codedLine) {
        if (c == kCodedEquals) {
            break;
        }
        key[length++] = table.map[static_cast<unsigned char>(c)];
    }
    key.resize(length);
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

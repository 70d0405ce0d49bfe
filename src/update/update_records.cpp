#include "update/update_records.h"

#include <algorithm>
#include <array>

#include "base/byte_search.h"
#include "base/text.h"
#include "core/definition_files.h"
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
    const std::string_view record = base::TrimView(text);
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
constexpr std::array<char, 256> kKeyChars = [] {
    std::array<char, 256> map{};
    for (std::size_t c = 0; c < map.size(); ++c) {
        map[c] = static_cast<char>(base::detail::kLower.map[static_cast<unsigned char>(
            definitions::DecodeDefinitionChar(static_cast<char>(c)))]);
    }
    return map;
}();

char KeyChar(char stored) noexcept {
    return kKeyChars[static_cast<unsigned char>(stored)];
}

// The characters of a stored line's key end at the coded "=": the code maps
// characters one to one.
constexpr char kCodedEquals = definitions::EncodeDefinitionChar('=');

std::string_view CodedKeyOf(std::string_view codedLine) noexcept {
    const char* const begin = codedLine.data();
    const char* const end = base::FindByte(begin, begin + codedLine.size(), kCodedEquals);
    return {begin, static_cast<std::size_t>(end - begin)};
}

// Every character of a key (each as `fold` gives it), eight at a time, and
// its length, mixed: keys that share a long start and end (numbered names of
// one family) must still spread.
template <typename Fold>
std::uint64_t PrintOf(std::string_view key, Fold fold) noexcept {
    constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15u;
    const char* at = key.data();
    const char* const end = at + key.size();
    std::uint64_t print = key.size() * 0xC2B2AE3D27D4EB4Fu;
    while (at != end) {
        std::uint64_t word = 0;
        for (int shift = 0; shift < 64 && at != end; shift += 8, ++at) {
            word |= std::uint64_t{static_cast<unsigned char>(fold(*at))} << shift;
        }
        print = (print ^ word) * kMix;
        print ^= print >> 29;
    }
    return (print ^ (print >> 32)) * 0xFF51AFD7ED558CCDu;
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
        case TargetFile::Extensions:
            return definitions::kExtensionDefinitions;
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
        case TargetFile::Extensions:
            // "SEXT" holds an "S": the safe list's, like every such kind.
            return kind == "EXT";
    }
    return false;
}

std::vector<UpdateRecord> ReadUpdateRecords(std::string_view updateText) {
    std::vector<UpdateRecord> records;
    std::size_t start = 0;
    while (start <= updateText.size()) {
        const std::size_t end = base::FindIgnoreCase(updateText, kRecordSeparator, start);
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
        const std::vector<std::string> fields = base::Split(body, "|");
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
    std::string key(BeforeFirst(body, '='));
    std::transform(key.begin(), key.end(), key.begin(), KeyChar);
    return key;
}

void LineKeyInto(std::string_view codedLine, std::string& key) {
    const std::string_view codedKey = CodedKeyOf(codedLine);
    key.resize(codedKey.size());
    std::transform(codedKey.begin(), codedKey.end(), key.begin(), KeyChar);
}

std::uint64_t KeyPrint(std::string_view key) noexcept {
    return PrintOf(key, [](char c) { return c; });
}

std::uint64_t LineKeyPrint(std::string_view codedLine) noexcept {
    return PrintOf(CodedKeyOf(codedLine), KeyChar);
}

std::string CleanDateAnswer(std::string_view answer) {
    std::string text;
    for (const char c : base::TrimView(answer)) {
        if (c != '\t' && c != '\r' && c != '\n') {
            text.push_back(c);
        }
    }
    for (const std::string_view marker : {"PM", "AM"}) {
        if (const std::size_t at = base::FindIgnoreCase(text, marker); at != std::string::npos) {
            return text.substr(0, at + marker.size());
        }
    }
    return text;
}

}  // namespace update

#include "extension_list.h"

#include <array>
#include <charconv>
#include <map>
#include <optional>

#include "ansi_text.h"
#include "base/text.h"
#include "csv_table.h"

namespace defserver {

namespace {

constexpr std::size_t kIdLength = 32;
// Longer names are cut: the program shows them in one row.
constexpr std::size_t kLongestName = 120;
// A note's first phrase longer than this is a description, not a campaign.
constexpr std::size_t kLongestCampaign = 60;
constexpr std::string_view kUnnamed = "Malicious extension";

// A Chromium extension ID: 32 letters from "a" to "p".
std::optional<std::string> IdProblem(std::string_view id) {
    if (id.size() != kIdLength) {
        return "EXTID \"" + std::string(id) + "\" is not an extension ID: it has " +
               std::to_string(id.size()) + " characters, an ID has 32 letters from a to p";
    }
    for (const char c : id) {
        if (c < 'a' || c > 'p') {
            return "EXTID \"" + std::string(id) + "\" is not an extension ID: \"" +
                   std::string(1, c) + "\" is not a letter from a to p";
        }
    }
    return std::nullopt;
}

// Text from the table as a definition can carry it: in Windows-1252, on
// one line, without the characters the program would take for separators
// or whose coded form it would misread, and without the quotes some names
// come in.
std::string DefinitionText(std::string_view utf8) {
    std::string text = Utf8ToAnsiReplacing(utf8, '?');
    for (char& c : text) {
        switch (static_cast<unsigned char>(c)) {
            case '|':
                c = '/';
                break;
            case '<':  // coded, it is "|"
                c = '(';
                break;
            case 0xFC:  // "ü", coded, is "="
                c = 'u';
                break;
            case 0xC9:  // "É" and "Ì", coded, are line ends
                c = 'E';
                break;
            case 0xCC:
                c = 'I';
                break;
            case 0xFF:  // "ÿ", coded, decodes to a null character
                c = 'y';
                break;
            default:
                if (static_cast<unsigned char>(c) < 32 || c == 127) {
                    c = ' ';
                }
        }
    }
    std::string_view trimmed = base::TrimView(text);
    // Quotes around the whole name: straight or curly (0x93, 0x94).
    while (trimmed.size() >= 2 && (trimmed.front() == '"' || trimmed.front() == '\x93') &&
           (trimmed.back() == '"' || trimmed.back() == '\x94')) {
        trimmed = base::TrimView(trimmed.substr(1, trimmed.size() - 2));
    }
    std::string result(trimmed.substr(0, kLongestName));
    result = base::Trim(result);
    // "ß" at the end codes to a space, which the program trims off.
    if (!result.empty() && static_cast<unsigned char>(result.back()) == 0xDF) {
        result.back() = 's';
        result.push_back('s');
    }
    return result;
}

// The campaign that a note leads with ("Palant Jun 2023 affiliate fraud
// cluster. 109 extensions..."), when it leads with one rather than with
// where the entry came from.
std::optional<std::string> CampaignOf(std::string_view notes) {
    notes = base::TrimView(notes);
    for (const std::string_view notACampaign :
         {"Stub entry", "Source:", "Stage 5A", "\"", "\xE2\x80\x9C" /* opening curly quote */}) {
        if (base::StartsWithIgnoreCase(notes, notACampaign)) {
            return std::nullopt;
        }
    }
    std::size_t end = notes.size();
    for (const std::string_view stop : {". ", " (", " \xE2\x80\x94 ", "; ", ": "}) {
        end = std::min(end, notes.find(stop));
    }
    std::string_view phrase = base::TrimView(notes.substr(0, end));
    if (!phrase.empty() && phrase.back() == '.') {
        phrase.remove_suffix(1);
    }
    if (phrase.size() < 3 || phrase.size() > kLongestCampaign) {
        return std::nullopt;
    }
    return DefinitionText(phrase);
}

std::optional<std::string_view> FamilyOf(std::string_view browser) {
    const std::string lower = base::LowerCase(base::TrimView(browser));
    if (lower.empty() || lower == "chrome" || lower == "edge" || lower == "both" ||
        lower == "chromium") {
        return "chromium";
    }
    if (lower == "firefox") {
        return "firefox";
    }
    return std::nullopt;
}

std::optional<int> NumberOf(std::string_view text) {
    text = base::TrimView(text);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

Checked<ExtensionList> ReadExtensionList(std::string_view csvText) {
    using Result = Checked<ExtensionList>;
    Checked<std::vector<CsvRecord>> records = ReadCsv(csvText);
    if (!records) {
        return Result::Failure(records.Error());
    }
    if (records->empty()) {
        return Result::Failure("the table is empty: it has no header line");
    }
    const CsvColumns columns(records->front());
    constexpr std::array<std::string_view, 5> kNeeded{"EXTID", "EXTID-NAME", "THREAT-TYPE",
                                                      "BROWSER", "CONFIRM-MAL"};
    std::array<std::optional<std::size_t>, kNeeded.size()> at;
    for (std::size_t i = 0; i < kNeeded.size(); ++i) {
        at[i] = columns.Find(kNeeded[i]);
        if (!at[i]) {
            return Result::Failure("the header line has no column " + std::string(kNeeded[i]));
        }
    }
    const std::optional<std::size_t> notesColumn = columns.Find("NOTES");
    ExtensionList list;
    std::map<std::string, std::size_t> lineOfId;
    for (std::size_t r = 1; r < records->size(); ++r) {
        const CsvRecord& record = (*records)[r];
        const std::string where = "line " + std::to_string(record.line) + ": ";
        const std::string id = base::LowerCase(base::TrimView(CsvColumns::Field(record, at[0])));
        if (const std::optional<std::string> problem = IdProblem(id)) {
            list.badLines.push_back(where + *problem);
            continue;
        }
        const std::string_view confirmText = CsvColumns::Field(record, at[4]);
        const std::optional<int> confirmed = NumberOf(confirmText);
        if (!confirmed) {
            list.badLines.push_back(where + "CONFIRM-MAL \"" + std::string(confirmText) +
                                    "\" is not a number");
            continue;
        }
        if (*confirmed < 1) {
            ++list.unconfirmed;
            continue;
        }
        const std::string_view browser = CsvColumns::Field(record, at[3]);
        const std::optional<std::string_view> family = FamilyOf(browser);
        if (!family) {
            list.badLines.push_back(where + "BROWSER \"" + std::string(browser) +
                                    "\" is none of chrome, edge, both or firefox");
            continue;
        }
        if (const auto [earlier, added] = lineOfId.emplace(id, record.line); !added) {
            list.badLines.push_back(where + "EXTID " + id + " is listed already on line " +
                                    std::to_string(earlier->second));
            continue;
        }
        std::string name = DefinitionText(CsvColumns::Field(record, at[1]));
        if (name.empty() || base::EqualsIgnoreCase(name, "UNKNOWN")) {
            name =
                CampaignOf(CsvColumns::Field(record, notesColumn)).value_or(std::string(kUnnamed));
        }
        const std::string_view types = CsvColumns::Field(record, at[2]);
        const std::string type = DefinitionText(types.substr(0, types.find(',')));
        std::string line = id + "=" + name + "|" + std::string(*family);
        if (!type.empty() && !base::EqualsIgnoreCase(type, "unknown")) {
            line += "|" + type;
        }
        Checked<Change> change = MakeAddition("EXT", line);
        if (!change) {
            list.badLines.push_back(where + change.Error());
            continue;
        }
        list.additions.push_back(std::move(*change));
    }
    return list;
}

}  // namespace defserver

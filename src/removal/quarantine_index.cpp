#include "removal/quarantine_index.h"

#include <charconv>
#include <cstdio>
#include <set>

#include "core/file_replace.h"
#include "core/text.h"
#include "platform/file_system.h"
#include "platform/text_codec.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_log.h"
#include "removal/saved_content.h"

namespace removal {

namespace {

constexpr std::string_view kIndexName = "QuarantineIndex.txt";
constexpr std::string_view kFirstLine = "QuarantineIndex\t1";
constexpr std::string_view kDamagedName = "QuarantineIndex (damaged).txt";
constexpr std::size_t kFieldCount = 8;
// More copies of a damaged index than anyone keeps; past it none is kept.
constexpr int kMostDamagedCopies = 999;

struct KindName {
    QuarantineKind kind;
    std::string_view name;
};

constexpr KindName kKindNames[] = {
    {QuarantineKind::File, "file"},
    {QuarantineKind::Folder, "folder"},
    {QuarantineKind::Cookie, "cookie"},
    {QuarantineKind::RegistryKey, "regkey"},
    {QuarantineKind::RegistryValue, "regvalue"},
    {QuarantineKind::CookieRows, "cookierows"},
};

std::string_view NameOf(QuarantineKind kind) {
    for (const KindName& known : kKindNames) {
        if (known.kind == kind) {
            return known.name;
        }
    }
    return "file";
}

std::optional<QuarantineKind> KindOf(std::string_view name) {
    for (const KindName& known : kKindNames) {
        if (known.name == name) {
            return known.kind;
        }
    }
    return std::nullopt;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '%') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            out.append(code);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size() || core::HexDigitValue(text[i + 1]) < 0 ||
            core::HexDigitValue(text[i + 2]) < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(core::HexDigitValue(text[i + 1]) << 4 |
                                        core::HexDigitValue(text[i + 2])));
        i += 2;
    }
    return out;
}

// A name the quarantine folder can hold directly: never a path that leads
// elsewhere.
bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string_view::npos;
}

bool IsDigest(std::string_view text) {
    if (text.size() != 64) {
        return false;
    }
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    return true;
}

bool IsIndexTime(std::string_view text) {
    // "YYYY-MM-DD hh:mm:ss"
    constexpr std::string_view kShape = "0000-00-00 00:00:00";
    if (text.size() != kShape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (kShape[i] == '0' ? (text[i] < '0' || text[i] > '9') : text[i] != kShape[i]) {
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::optional<QuarantineEntry> ParseEntry(std::string_view line) {
    const std::vector<std::string_view> fields = Split(line, '\t');
    if (fields.size() != kFieldCount) {
        return std::nullopt;
    }
    std::vector<std::string> texts;
    for (const std::string_view field : fields) {
        std::optional<std::string> text = Unescaped(field);
        if (!text) {
            return std::nullopt;
        }
        texts.push_back(std::move(*text));
    }
    QuarantineEntry entry;
    const std::optional<QuarantineKind> kind = KindOf(texts[0]);
    std::uint64_t size = 0;
    const char* sizeEnd = texts[2].data() + texts[2].size();
    const auto [sizeStop, sizeError] = std::from_chars(texts[2].data(), sizeEnd, size);
    if (!kind || !IsIndexTime(texts[1]) || texts[2].empty() || sizeError != std::errc{} ||
        sizeStop != sizeEnd || !IsDigest(texts[3]) || !IsPlainName(texts[4]) || texts[6].empty()) {
        return std::nullopt;
    }
    // A value's name, or the domain of a browser's saved cookies.
    const bool isValue =
        *kind == QuarantineKind::RegistryValue || *kind == QuarantineKind::CookieRows;
    if (!isValue && !texts[7].empty()) {
        return std::nullopt;
    }
    entry.kind = *kind;
    entry.time = texts[1];
    entry.size = size;
    entry.sha256 = texts[3];
    entry.storedName = texts[4];
    entry.threat = texts[5];
    entry.location = texts[6];
    entry.valueName = texts[7];
    return entry;
}

std::string EntryLine(const QuarantineEntry& entry) {
    const std::string fields[kFieldCount] = {std::string(NameOf(entry.kind)),
                                             entry.time,
                                             std::to_string(entry.size),
                                             entry.sha256,
                                             entry.storedName,
                                             entry.threat,
                                             entry.location,
                                             entry.valueName};
    std::string line;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        line.append(i == 0 ? "" : "\t").append(Escaped(fields[i]));
    }
    return line + "\r\n";
}

struct IndexFile {
    std::vector<QuarantineEntry> entries;
    bool exists = false;
    bool damaged = false;  // a line, or the first line, did not read
};

IndexFile ReadIndex(platform::FileSystem& fs, std::string_view dataFolder) {
    IndexFile index;
    const std::optional<std::string> content = fs.ReadWholeFile(QuarantineIndexPath(dataFolder));
    if (!content) {
        return index;
    }
    index.exists = true;
    std::vector<std::string_view> lines = Split(*content, '\n');
    for (std::string_view& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    if (lines.empty() || lines.front() != kFirstLine) {
        // Another version's index, or no index at all: nothing in it is read,
        // and it is kept aside when the index is next written.
        index.damaged = true;
        return index;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (std::optional<QuarantineEntry> entry = ParseEntry(lines[i])) {
            index.entries.push_back(std::move(*entry));
        } else {
            index.damaged = true;
        }
    }
    return index;
}

// A copy of a damaged index beside it, under a free name.
void KeepDamagedCopy(platform::FileSystem& fs, std::string_view dataFolder) {
    const std::string folder = QuarantineFolder(dataFolder);
    for (int number = 1; number <= kMostDamagedCopies; ++number) {
        const std::string target = folder + "\\" + NumberedName(kDamagedName, number, false);
        if (!fs.Attributes(target)) {
            [[maybe_unused]] const bool copied =
                fs.CopyFileTo(QuarantineIndexPath(dataFolder), target);
            return;
        }
    }
}

bool WriteIndex(platform::FileSystem& fs, std::string_view dataFolder, const IndexFile& old,
                const std::vector<QuarantineEntry>& entries) {
    if (old.damaged) {
        KeepDamagedCopy(fs, dataFolder);
    }
    std::string content(kFirstLine);
    content.append("\r\n");
    for (const QuarantineEntry& entry : entries) {
        content += EntryLine(entry);
    }
    const std::string path = QuarantineIndexPath(dataFolder);
    return core::ReplaceFileContent(fs, path, content, path + ".new");
}

// The file records of the log: " - File: " after the time on one line, and
// " - Location: " on the next.
std::vector<QuarantineEntry> LogFileRecords(platform::FileSystem& fs, platform::TextCodec& codec,
                                            std::string_view dataFolder) {
    std::vector<QuarantineEntry> records;
    const std::optional<std::string> log = fs.ReadWholeFile(QuarantineLogPath(dataFolder));
    if (!log) {
        return records;
    }
    std::vector<std::string_view> lines = Split(*log, '\n');
    for (std::string_view& line : lines) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
    }
    constexpr std::string_view kFile = " - File: ";
    constexpr std::string_view kLocation = " - Location: ";
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::size_t file = lines[i].find(kFile);
        if (file == std::string_view::npos || !lines[i + 1].starts_with(kLocation)) {
            continue;
        }
        QuarantineEntry entry;
        entry.fromLogOnly = true;
        entry.time = codec.StoredToAnsi(lines[i].substr(0, file));
        entry.storedName = codec.StoredToAnsi(lines[i].substr(file + kFile.size()));
        entry.location = codec.StoredToAnsi(lines[i + 1].substr(kLocation.size()));
        if (IsPlainName(entry.storedName) && !entry.location.empty()) {
            records.push_back(std::move(entry));
        }
        ++i;
    }
    return records;
}

std::uint64_t FolderSize(platform::FileSystem& fs, const std::string& folder) {
    std::uint64_t total = 0;
    for (const platform::DirectoryEntry& entry :
         fs.ListEntries(folder).value_or(std::vector<platform::DirectoryEntry>{})) {
        const std::string child = folder + "\\" + entry.name;
        if (entry.reparsePoint) {
            continue;
        }
        total += entry.directory ? FolderSize(fs, child) : fs.FileSize(child).value_or(0);
    }
    return total;
}

}  // namespace

std::string QuarantineIndexPath(std::string_view dataFolder) {
    return QuarantineFolder(dataFolder) + "\\" + std::string(kIndexName);
}

std::string IndexTimeText(const platform::DateTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year % 10000,
                  time.month % 100, time.day % 100, time.hour % 100, time.minute % 100,
                  time.second % 100);
    return text;
}

std::optional<platform::DateTime> ParseIndexTime(std::string_view text) {
    platform::DateTime time;
    char end = 0;
    if (std::sscanf(std::string(text).c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &time.year, &time.month,
                    &time.day, &time.hour, &time.minute, &time.second, &end) != 6) {
        return std::nullopt;
    }
    return time;
}

std::vector<QuarantineEntry> LoadQuarantineEntries(platform::FileSystem& fs,
                                                   std::string_view dataFolder) {
    return ReadIndex(fs, dataFolder).entries;
}

bool AddQuarantineEntry(platform::FileSystem& fs, std::string_view dataFolder,
                        const QuarantineEntry& entry) {
    const IndexFile index = ReadIndex(fs, dataFolder);
    std::vector<QuarantineEntry> entries = index.entries;
    entries.push_back(entry);
    entries.back().fromLogOnly = false;
    return WriteIndex(fs, dataFolder, index, entries);
}

bool RemoveQuarantineEntries(platform::FileSystem& fs, std::string_view dataFolder,
                             const std::vector<std::string>& storedNames) {
    const IndexFile index = ReadIndex(fs, dataFolder);
    std::set<std::string> names;
    for (const std::string& name : storedNames) {
        names.insert(core::UpperCase(name));
    }
    std::vector<QuarantineEntry> kept;
    for (const QuarantineEntry& entry : index.entries) {
        if (!names.contains(core::UpperCase(entry.storedName))) {
            kept.push_back(entry);
        }
    }
    if (kept.size() == index.entries.size() && !index.damaged) {
        return true;
    }
    return WriteIndex(fs, dataFolder, index, kept);
}

std::vector<QuarantineEntry> ListQuarantine(platform::FileSystem& fs, platform::TextCodec& codec,
                                            std::string_view dataFolder) {
    std::vector<QuarantineEntry> list = LoadQuarantineEntries(fs, dataFolder);
    std::set<std::string> known;
    for (const QuarantineEntry& entry : list) {
        known.insert(core::UpperCase(entry.storedName));
    }
    const std::string folder = QuarantineFolder(dataFolder);
    for (QuarantineEntry& record : LogFileRecords(fs, codec, dataFolder)) {
        if (!known.insert(core::UpperCase(record.storedName)).second) {
            continue;
        }
        const std::string stored = folder + "\\" + record.storedName;
        const std::optional<platform::PathAttributes> attributes = fs.Attributes(stored);
        if (!attributes || attributes->reparsePoint) {
            continue;  // nothing left to put back
        }
        record.kind = attributes->directory ? QuarantineKind::Folder : QuarantineKind::File;
        record.size =
            attributes->directory ? FolderSize(fs, stored) : fs.FileSize(stored).value_or(0);
        list.push_back(std::move(record));
    }
    return list;
}

SavedContentState CheckSavedContent(platform::FileSystem& fs, platform::Hashing& hashing,
                                    std::string_view dataFolder, const QuarantineEntry& entry) {
    if (!IsPlainName(entry.storedName)) {
        return SavedContentState::Missing;
    }
    const std::string stored = QuarantineFolder(dataFolder) + "\\" + entry.storedName;
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(stored);
    if (!attributes) {
        return SavedContentState::Missing;
    }
    if (entry.fromLogOnly || entry.sha256.empty()) {
        return SavedContentState::Unchecked;
    }
    const bool folder = entry.kind == QuarantineKind::Folder;
    if (attributes->reparsePoint || attributes->directory != folder) {
        return SavedContentState::Changed;
    }
    const std::optional<ContentDigest> digest =
        folder ? DigestFolder(fs, hashing, stored) : DigestFile(fs, hashing, stored);
    return digest && digest->size == entry.size && digest->sha256 == entry.sha256
               ? SavedContentState::Intact
               : SavedContentState::Changed;
}

bool VerifySavedContent(platform::FileSystem& fs, platform::Hashing& hashing,
                        std::string_view dataFolder, const QuarantineEntry& entry) {
    return CheckSavedContent(fs, hashing, dataFolder, entry) == SavedContentState::Intact;
}

}  // namespace removal

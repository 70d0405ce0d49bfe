#include "removal/quarantine_index.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

#include "base/text.h"
#include "core/file_replace.h"
#include "platform/file_system.h"
#include "platform/text_codec.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_log.h"
#include "removal/reg_file.h"
#include "removal/registry_copy.h"
#include "removal/saved_content.h"

namespace removal {

namespace {

constexpr std::string_view kIndexName = "QuarantineIndex.txt";
// An older index's first line: its texts are in the code page the program
// ran in, taken as the log's are.
constexpr std::string_view kFirstLine = "QuarantineIndex\t1";
// The first line that says the texts are UTF-8, whatever code page the
// program runs in when it reads them.
constexpr std::string_view kUtf8FirstLine = "QuarantineIndex\t1\tUTF-8";
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
    {QuarantineKind::RegistryReset, "regreset"},
    {QuarantineKind::HostsLines, "hostslines"},
    {QuarantineKind::ShortcutArguments, "shortcutargs"},
    {QuarantineKind::ServiceStart, "service"},
    {QuarantineKind::Task, "task"},
    {QuarantineKind::ExtensionSettings, "extsettings"},
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
        if (i + 2 >= text.size() || base::HexDigitValue(text[i + 1]) < 0 ||
            base::HexDigitValue(text[i + 2]) < 0) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(base::HexDigitValue(text[i + 1]) << 4 |
                                        base::HexDigitValue(text[i + 2])));
        i += 2;
    }
    return out;
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

enum class IndexEncoding { Stored, Utf8 };

// The line's entry, with its texts in the program's code page; nullopt when
// the line does not read, or (`lossy`) when a text of a UTF-8 index has
// characters that the program's code page lacks, or its kind is one that a
// later version added: such a line is kept for a program that can read it.
std::optional<QuarantineEntry> ParseEntry(std::string_view line, platform::TextCodec& codec,
                                          IndexEncoding encoding, bool& lossy) {
    const std::vector<std::string_view> fields = Split(line, '\t');
    if (fields.size() != kFieldCount) {
        return std::nullopt;
    }
    if (const std::optional<std::string> kindName = Unescaped(fields[0]);
        kindName && !KindOf(*kindName) && !kindName->empty() &&
        kindName->find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos) {
        lossy = true;
        return std::nullopt;
    }
    std::vector<std::string> texts;
    for (const std::string_view field : fields) {
        std::optional<std::string> text = Unescaped(field);
        if (!text) {
            return std::nullopt;
        }
        if (encoding == IndexEncoding::Stored) {
            texts.push_back(codec.StoredToAnsi(*text));
            continue;
        }
        std::string ansi = codec.Utf8ToAnsi(*text);
        if (codec.AnsiToUtf8(ansi) != *text) {
            lossy = true;
            return std::nullopt;
        }
        texts.push_back(std::move(ansi));
    }
    QuarantineEntry entry;
    const std::optional<QuarantineKind> kind = KindOf(texts[0]);
    std::uint64_t size = 0;
    const char* sizeEnd = texts[2].data() + texts[2].size();
    const auto [sizeStop, sizeError] = std::from_chars(texts[2].data(), sizeEnd, size);
    if (!kind || !IsIndexTime(texts[1]) || texts[2].empty() || sizeError != std::errc{} ||
        sizeStop != sizeEnd || !IsDigest(texts[3]) || !IsStoredName(texts[4]) || texts[6].empty()) {
        return std::nullopt;
    }
    // A value's name, the domain of a browser's saved cookies, what a
    // startup entry's removal left, or an extension's ID.
    const bool isValue =
        *kind == QuarantineKind::RegistryValue || *kind == QuarantineKind::CookieRows ||
        *kind == QuarantineKind::RegistryReset || *kind == QuarantineKind::HostsLines ||
        *kind == QuarantineKind::ShortcutArguments || *kind == QuarantineKind::Task ||
        *kind == QuarantineKind::ExtensionSettings;
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

std::string EntryLine(const QuarantineEntry& entry, platform::TextCodec& codec) {
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
        line.append(i == 0 ? "" : "\t").append(Escaped(codec.AnsiToUtf8(fields[i])));
    }
    return line + "\r\n";
}

struct IndexFile {
    std::vector<QuarantineEntry> entries;
    bool exists = false;
    bool damaged = false;  // a line, or the first line, did not read
    // Lines whose texts this code page cannot hold, or of a kind this
    // version does not know: written back as they are, for a program that
    // can read them.
    std::vector<std::string> keptLines;
};

IndexFile ReadIndex(platform::FileSystem& fs, platform::TextCodec& codec,
                    std::string_view dataFolder) {
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
    if (lines.empty() || (lines.front() != kFirstLine && lines.front() != kUtf8FirstLine)) {
        // Another version's index, or no index at all: nothing in it is read,
        // and it is kept aside when the index is next written.
        index.damaged = true;
        return index;
    }
    const IndexEncoding encoding =
        lines.front() == kUtf8FirstLine ? IndexEncoding::Utf8 : IndexEncoding::Stored;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        bool lossy = false;
        if (std::optional<QuarantineEntry> entry = ParseEntry(lines[i], codec, encoding, lossy)) {
            index.entries.push_back(std::move(*entry));
        } else if (lossy) {
            index.keptLines.emplace_back(lines[i]);
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

bool WriteIndex(platform::FileSystem& fs, platform::TextCodec& codec, std::string_view dataFolder,
                const IndexFile& old, const std::vector<QuarantineEntry>& entries) {
    if (old.damaged) {
        KeepDamagedCopy(fs, dataFolder);
    }
    std::string content(kUtf8FirstLine);
    content.append("\r\n");
    for (const std::string& line : old.keptLines) {
        content.append(line).append("\r\n");
    }
    for (const QuarantineEntry& entry : entries) {
        content += EntryLine(entry, codec);
    }
    const std::string path = QuarantineIndexPath(dataFolder);
    return core::ReplaceFileContent(fs, path, content, path + ".new");
}

enum class LogRecordKind { File, Cookies, Registry, Restored, DeleteFailed };

// One record of the log: its kind, its time as written, and its two texts.
struct LogRecord {
    LogRecordKind kind = LogRecordKind::File;
    std::string time;
    std::string first;   // a stored name, or a registry record's key
    std::string second;  // where from or to, or a registry record's value
};

// Every record of the log, oldest first: each is a line with the time and a
// marker, and a line that starts with its second marker.
std::vector<LogRecord> ReadLogRecords(platform::FileSystem& fs, platform::TextCodec& codec,
                                      std::string_view dataFolder) {
    std::vector<LogRecord> records;
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
    struct Marker {
        LogRecordKind kind;
        std::string_view first;
        std::string_view second;
    };
    constexpr Marker kMarkers[] = {
        {LogRecordKind::File, " - File: ", " - Location: "},
        {LogRecordKind::Cookies, kCookieRowsMarker, " - Location: "},
        {LogRecordKind::Registry, " - Key: ", "Value: "},
        {LogRecordKind::Restored, " - Restored: ", " - To: "},
        {LogRecordKind::DeleteFailed, kDeleteFailedMarker, kDeleteFailedCopyMarker},
    };
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        for (const Marker& marker : kMarkers) {
            const std::size_t at = lines[i].find(marker.first);
            if (at == std::string_view::npos || !lines[i + 1].starts_with(marker.second)) {
                continue;
            }
            records.push_back({marker.kind, codec.StoredToAnsi(lines[i].substr(0, at)),
                               codec.StoredToAnsi(lines[i].substr(at + marker.first.size())),
                               codec.StoredToAnsi(lines[i + 1].substr(marker.second.size()))});
            ++i;
            break;
        }
    }
    return records;
}

// A browser store's rows as an older version logged them, in a file record:
// "cookies of tracker.com.sqlite" from "...\Cookies (tracker.com)". They are
// no file of that place.
bool IsOlderCookieRowsRecord(const LogRecord& record) {
    const std::string name = base::UpperCase(record.first);
    return name.starts_with("COOKIES OF ") && name.ends_with(".SQLITE") &&
           record.second.ends_with(")") && record.second.find(" (") != std::string::npos;
}

// The files and folders that only the log knows: for each stored name its
// newest record, when that is a file record (a later one that restored the
// copy, or saved a store's rows under the name, says it is no longer so).
std::vector<QuarantineEntry> LogFileRecords(const std::vector<LogRecord>& records) {
    std::vector<QuarantineEntry> files;
    std::set<std::string> seen;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        // The item stayed in its place: its copy, where one is left, is no
        // removed item's.
        if (record->kind == LogRecordKind::DeleteFailed) {
            seen.insert(base::UpperCase(record->second));
            continue;
        }
        if (record->kind == LogRecordKind::Registry ||
            !seen.insert(base::UpperCase(record->first)).second) {
            continue;
        }
        if (record->kind != LogRecordKind::File || IsOlderCookieRowsRecord(*record) ||
            !IsStoredName(record->first) || record->second.empty()) {
            continue;
        }
        QuarantineEntry entry;
        entry.fromLogOnly = true;
        entry.time = record->time;
        entry.storedName = record->first;
        entry.location = record->second;
        files.push_back(std::move(entry));
    }
    std::reverse(files.begin(), files.end());
    return files;
}

// A registry copy that no index entry names, from its own registration
// file: the key of its first section (a 32-bit program's key named below
// WOW6432Node, as the removal took it), and a value's name when the file
// holds that one value alone and the log says that value was deleted. The
// time is the newest log record of that deletion.
std::optional<QuarantineEntry> OwnRegistryCopy(platform::FileSystem& fs, platform::TextCodec& codec,
                                               const std::string& folder, const std::string& name,
                                               const std::vector<LogRecord>& records) {
    const std::string path = folder + "\\" + name;
    const std::optional<std::string> bytes = fs.ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    const std::optional<std::vector<RegFileKey>> keys = ParseRegFile(*bytes, codec);
    if (!keys || keys->empty() || !SplitKeyName(keys->front().name)) {
        return std::nullopt;
    }
    QuarantineEntry entry;
    entry.fromLogOnly = true;
    entry.kind = QuarantineKind::RegistryKey;
    entry.storedName = name;
    entry.location = keys->front().name;
    entry.size = bytes->size();
    const auto logged = [&](std::string_view value) {
        return std::find_if(records.rbegin(), records.rend(), [&](const LogRecord& record) {
            return record.kind == LogRecordKind::Registry &&
                   base::UpperCase(record.first) == base::UpperCase(entry.location) &&
                   base::UpperCase(record.second) == base::UpperCase(value);
        });
    };
    auto record = records.rend();
    if (keys->size() == 1 && keys->front().values.size() == 1 &&
        !keys->front().values.front().name.empty()) {
        record = logged(keys->front().values.front().name);
        if (record != records.rend()) {
            entry.kind = QuarantineKind::RegistryValue;
            entry.valueName = keys->front().values.front().name;
        }
    }
    if (record == records.rend()) {
        // A key's removal logs its default value's deletion first.
        record = logged("");
    }
    if (record != records.rend()) {
        entry.time = record->time;
    }
    return entry;
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

bool IsQuarantineOwnName(std::string_view name) {
    const std::string upper = base::UpperCase(name);
    const std::string index = base::UpperCase(kIndexName);
    return upper == base::UpperCase(kQuarantineLogName) || upper == index ||
           upper == index + ".NEW";
}

bool IsStoredName(std::string_view name) {
    return !name.empty() && name.back() != '.' && name.back() != ' ' &&
           name.find_first_of("\\/:") == std::string_view::npos && !IsQuarantineOwnName(name);
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
                                                   platform::TextCodec& codec,
                                                   std::string_view dataFolder) {
    return ReadIndex(fs, codec, dataFolder).entries;
}

bool AddQuarantineEntry(platform::FileSystem& fs, platform::TextCodec& codec,
                        std::string_view dataFolder, const QuarantineEntry& entry) {
    const IndexFile index = ReadIndex(fs, codec, dataFolder);
    std::vector<QuarantineEntry> entries = index.entries;
    entries.push_back(entry);
    entries.back().fromLogOnly = false;
    return WriteIndex(fs, codec, dataFolder, index, entries);
}

bool RemoveQuarantineEntries(platform::FileSystem& fs, platform::TextCodec& codec,
                             std::string_view dataFolder,
                             const std::vector<std::string>& storedNames) {
    const IndexFile index = ReadIndex(fs, codec, dataFolder);
    std::set<std::string> names;
    for (const std::string& name : storedNames) {
        names.insert(base::UpperCase(name));
    }
    std::vector<QuarantineEntry> kept;
    for (const QuarantineEntry& entry : index.entries) {
        if (!names.contains(base::UpperCase(entry.storedName))) {
            kept.push_back(entry);
        }
    }
    if (kept.size() == index.entries.size() && !index.damaged) {
        return true;
    }
    return WriteIndex(fs, codec, dataFolder, index, kept);
}

std::vector<QuarantineEntry> ListQuarantine(platform::FileSystem& fs, platform::TextCodec& codec,
                                            std::string_view dataFolder) {
    std::vector<QuarantineEntry> list = LoadQuarantineEntries(fs, codec, dataFolder);
    std::set<std::string> known;
    for (const QuarantineEntry& entry : list) {
        known.insert(base::UpperCase(entry.storedName));
    }
    const std::string folder = QuarantineFolder(dataFolder);
    const std::vector<LogRecord> records = ReadLogRecords(fs, codec, dataFolder);
    for (QuarantineEntry& record : LogFileRecords(records)) {
        if (!known.insert(base::UpperCase(record.storedName)).second) {
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
    // A store's rows are named in no file record.
    for (const LogRecord& record : records) {
        if (record.kind == LogRecordKind::Cookies || IsOlderCookieRowsRecord(record)) {
            known.insert(base::UpperCase(record.first));
        }
    }
    for (const std::string& name : fs.ListFiles(folder)) {
        if (!base::UpperCase(name).ends_with(".REG") || !IsStoredName(name) ||
            known.contains(base::UpperCase(name))) {
            continue;
        }
        if (std::optional<QuarantineEntry> copy =
                OwnRegistryCopy(fs, codec, folder, name, records)) {
            known.insert(base::UpperCase(name));
            list.push_back(std::move(*copy));
        }
    }
    return list;
}

SavedContentState CheckSavedContent(platform::FileSystem& fs, platform::Hashing& hashing,
                                    std::string_view dataFolder, const QuarantineEntry& entry) {
    if (!IsStoredName(entry.storedName)) {
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

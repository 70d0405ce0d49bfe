#include "scan/file_lookup.h"

#include <unordered_set>
#include <utility>
#include <vector>

#include "core/file_predicates.h"

namespace scan {

namespace {

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

// A name that can only mean the entry of that very name, in any letter
// case: printable ASCII without wildcards, stream or path separators and
// without the short-name mark, not ending in a dot or space (the platform
// drops those), and not "." or "..".
bool IsPlainName(std::string_view name) noexcept {
    if (name.empty() || name.back() == '.' || name.back() == ' ') {
        return false;
    }
    for (const char c : name) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
        switch (c) {
            case '*':
            case '?':
            case ':':
            case '/':
            case '~':
            case '"':
            case '<':
            case '>':
            case '|':
                return false;
            default:
                break;
        }
    }
    return true;
}

// Entries read between two calls of keepGoing.
constexpr std::size_t kListingPart = 256;

}  // namespace

// A folder's entries, upper-cased, read in parts. A narrow listing shows a
// "?" for a letter that the code page lacks, and the platform's letter case
// reaches beyond ASCII: a listing with such a name rules nothing out.
bool GroupedFileLookup::ReadEntries(std::string_view folder,
                                    std::unordered_set<std::string>& names) {
    const std::unique_ptr<platform::FolderListing> listing = m_fileSystem.ListInParts(folder);
    if (!listing) {
        return false;
    }
    for (;;) {
        std::vector<platform::DirectoryEntry> entries;
        const std::optional<bool> more = listing->Next(kListingPart, entries);
        if (!more) {
            return false;
        }
        for (const platform::DirectoryEntry& entry : entries) {
            for (const char c : entry.name) {
                if (c < 0x20 || c > 0x7E || c == '?') {
                    return false;
                }
            }
            names.insert(UpperAscii(entry.name));
        }
        if (!*more) {
            return true;
        }
        if (!m_keepGoing()) {
            return false;
        }
    }
}

struct GroupedFileLookup::Folder {
    int records = 0;
    bool listed = false;
    bool complete = false;  // `names` holds every entry
    bool notThere = false;  // its own folder's entries rule it out
    std::unordered_set<std::string> names;
};

GroupedFileLookup::GroupedFileLookup(platform::FileSystem& fileSystem,
                                     std::function<bool()> keepGoing)
    : m_fileSystem(fileSystem), m_keepGoing(std::move(keepGoing)) {}

GroupedFileLookup::~GroupedFileLookup() = default;

bool GroupedFileLookup::FileExists(std::string_view path) {
    return !RuledOut(path, false) && core::FileExists(m_fileSystem, path);
}

bool GroupedFileLookup::DirectoryExists(std::string_view path) {
    return !RuledOut(path, false) && core::DirectoryExists(m_fileSystem, path);
}

bool GroupedFileLookup::RuledOut(std::string_view path, bool now) {
    // Only a path of plain segments below a drive's root ("C:\a\b"): a
    // root, a share or a relative path is looked up by itself.
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos || path.find("\\\\") != std::string_view::npos ||
        path.size() < 3 || path[1] != ':' || path[2] != '\\') {
        return false;
    }
    const std::string_view folder = path.substr(0, slash);
    const std::string_view name = path.substr(slash + 1);
    if (folder.size() < 3) {
        return false;
    }
    return RuledOut(folder, name, now);
}

bool GroupedFileLookup::RuledOut(std::string_view folder, std::string_view name, bool now) {
    if (!IsPlainName(name)) {
        return false;
    }
    std::unique_ptr<Folder>& entry = m_folders[UpperAscii(folder)];
    if (!entry) {
        entry = std::make_unique<Folder>();
    }
    if (++entry->records < kListFrom && !now) {
        return false;
    }
    if (!entry->listed) {
        entry->listed = true;
        entry->complete = ReadEntries(folder, entry->names);
        // A folder that cannot be listed may not be there: its own folder's
        // entries tell, read now for the records that name this one.
        entry->notThere = !entry->complete && RuledOut(folder, true);
    }
    return entry->notThere || (entry->complete && !entry->names.contains(UpperAscii(name)));
}

}  // namespace scan

#include "update/definition_file_pass.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_set>

#include "base/byte_search.h"
#include "core/file_replace.h"

namespace update {

namespace {

bool IsEmptyLine(std::string_view line) {
    return line.empty() || line == " ";
}

// What an update does to the lines of one key.
struct KeyChanges {
    bool deleted = false;
    std::vector<std::size_t> added;  // indices into FileChanges::added
};

// Every key an update touches, so that each line of a file costs one lookup.
// Most lines' keys are not there: a bit per value of the key's print turns
// them away before their key is even built, and the table is searched by
// that print, so that a key is built and compared only when its print is
// there.
class KeyIndex {
public:
    explicit KeyIndex(std::size_t expected) {
        // About 1 line in 32 gets past the bits, whatever the update's size.
        std::size_t bits = std::size_t{1} << 16;
        while (bits < expected * 32) {
            bits *= 2;
        }
        m_bits.assign(bits / 64, 0);
        m_bitShift = 64 - std::countr_zero(bits);
        std::size_t slots = 16;
        while (slots < expected * 2) {
            slots *= 2;
        }
        m_slots.assign(slots, kEmpty);
        m_slotShift = 64 - std::countr_zero(slots);
        m_entries.reserve(expected);
    }

    // Never more keys than announced: the table does not grow.
    KeyChanges& Add(const std::string& key) {
        const std::uint64_t print = KeyPrint(key);
        m_bits[Bit(print) / 64] |= std::uint64_t{1} << (Bit(print) % 64);
        std::size_t slot = Slot(print);
        for (; m_slots[slot] != kEmpty; slot = (slot + 1) & (m_slots.size() - 1)) {
            Entry& entry = m_entries[m_slots[slot]];
            if (entry.print == print && entry.key == key) {
                return entry.changes;
            }
        }
        m_slots[slot] = static_cast<std::uint32_t>(m_entries.size());
        return m_entries.emplace_back(Entry{print, key, {}}).changes;
    }

    // The changes of the line's key; `key` is room for it.
    [[nodiscard]] const KeyChanges* FindForLine(std::string_view codedLine,
                                                std::string& key) const {
        const std::uint64_t print = LineKeyPrint(codedLine);
        if ((m_bits[Bit(print) / 64] & (std::uint64_t{1} << (Bit(print) % 64))) == 0) {
            return nullptr;
        }
        bool keyBuilt = false;
        for (std::size_t slot = Slot(print); m_slots[slot] != kEmpty;
             slot = (slot + 1) & (m_slots.size() - 1)) {
            const Entry& entry = m_entries[m_slots[slot]];
            if (entry.print != print) {
                continue;
            }
            if (!keyBuilt) {
                LineKeyInto(codedLine, key);
                keyBuilt = true;
            }
            if (entry.key == key) {
                return &entry.changes;
            }
        }
        return nullptr;
    }

private:
    static constexpr std::uint32_t kEmpty = ~std::uint32_t{0};

    struct Entry {
        std::uint64_t print;
        std::string key;
        KeyChanges changes;
    };

    [[nodiscard]] std::size_t Bit(std::uint64_t print) const {
        return static_cast<std::size_t>(print >> m_bitShift);
    }
    // Other bits of the print than the filter's, so that the keys that get
    // past it still spread over the table.
    [[nodiscard]] std::size_t Slot(std::uint64_t print) const {
        return static_cast<std::size_t>((print * 0x9E3779B97F4A7C15u) >> m_slotShift);
    }

    std::vector<std::uint64_t> m_bits;
    int m_bitShift = 0;
    std::vector<std::uint32_t> m_slots;  // indices into m_entries, or kEmpty
    int m_slotShift = 0;
    std::vector<Entry> m_entries;
};

// The pass over one file: takes the old content in pieces of whole lines
// and writes the new content, copying runs of kept lines that already end
// in "\r\n" in one piece (most of a file survives an update untouched).
class LinePass {
public:
    LinePass(const FileChanges& changes, PassProgress& progress, core::FileReplacement& out)
        : m_changes(changes),
          m_progress(progress),
          m_out(out),
          m_removes(!changes.pendingDeletions.empty()),
          m_byKey(changes.pendingDeletions.size() + changes.added.size()),
          m_alreadyThere(changes.added.size(), false) {
        for (const std::string& key : changes.pendingDeletions) {
            m_byKey.Add(key).deleted = true;
        }
        // A line already there is not added again: an update interrupted
        // before its date was stored is sent again in full next time. Nor is
        // a line that the update itself adds twice.
        for (std::size_t i = 0; i < changes.added.size(); ++i) {
            LineKeyInto(changes.added[i], m_key);
            std::vector<std::size_t>& sameKey = m_byKey.Add(m_key).added;
            const bool repeated = std::any_of(sameKey.begin(), sameKey.end(), [&](std::size_t j) {
                return changes.added[j] == changes.added[i];
            });
            if (repeated) {
                m_alreadyThere[i] = true;
            } else {
                sameKey.push_back(i);
            }
        }
    }

    // Whole lines of the old content, the last one without its end only at
    // the end of the file.
    void Take(std::string_view lines) {
        const char* const end = lines.data() + lines.size();
        const char* runStart = lines.data();  // kept lines not yet written start here
        const char* at = lines.data();
        while (at != end) {
            const char* const newline = base::FindByte(at, end, '\n');
            const char* const next = newline == end ? end : newline + 1;
            std::string_view line(at, static_cast<std::size_t>(newline - at));
            const bool endsWell = newline != end && !line.empty() && line.back() == '\r';
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            const bool keep = CheckOldLine(line);
            if (!m_removes) {
                // Without deletions the old content stands as it is.
            } else if (!keep || !endsWell) {
                m_out.Write(std::string_view(runStart, static_cast<std::size_t>(at - runStart)));
                if (keep) {
                    m_out.Write(line);
                    m_out.Write("\r\n");
                }
                runStart = next;
            }
            at = next;
        }
        m_out.Write(std::string_view(runStart, static_cast<std::size_t>(end - runStart)));
        if (!lines.empty()) {
            m_lastWritten = lines.back();
        }
    }

    // After the old content: the added lines.
    void Finish() {
        if (!m_removes && m_lastWritten.has_value() && *m_lastWritten != '\n') {
            m_out.Write("\r\n");
        }
        for (std::size_t i = 0; i < m_changes.added.size(); ++i) {
            const std::string& line = m_changes.added[i];
            if (m_alreadyThere[i]) {
                continue;
            }
            if (m_removes) {
                CountLine();
                if (IsEmptyLine(line)) {
                    continue;
                }
            }
            if (!m_byKey.FindForLine(line, m_key)->deleted) {
                m_out.Write(line);
                m_out.Write("\r\n");
            }
        }
    }

private:
    void CountLine() {
        ++m_linesOfThisFile;
        ++m_progress.linesChecked;
        // A count down rather than a division on every line.
        if (--m_progress.untilReport <= 0) {
            m_progress.untilReport = m_progress.every;
            if (m_progress.report) {
                m_progress.report(m_linesOfThisFile);
            }
        }
    }

    // Whether a line of the old file survives; notes an added line that it
    // makes unnecessary.
    bool CheckOldLine(std::string_view line) {
        if (!m_removes && m_changes.added.empty()) {
            return true;
        }
        if (m_removes) {
            CountLine();
        }
        const KeyChanges* found = m_byKey.FindForLine(line, m_key);
        if (found == nullptr) {
            return !IsEmptyLine(line);
        }
        for (const std::size_t i : found->added) {
            if (m_changes.added[i] == line) {
                m_alreadyThere[i] = true;
            }
        }
        return !found->deleted && !IsEmptyLine(line);
    }

    const FileChanges& m_changes;
    PassProgress& m_progress;
    core::FileReplacement& m_out;
    const bool m_removes;
    KeyIndex m_byKey;
    std::vector<bool> m_alreadyThere;
    std::string m_key;  // room reused line after line
    std::int64_t m_linesOfThisFile = 0;
    std::optional<char> m_lastWritten;
};

}  // namespace

std::array<FileChanges, std::size(kTargetFiles)> ChangesByFile(
    const std::vector<UpdateRecord>& records) {
    std::array<std::unordered_set<std::string>, std::size(kTargetFiles)> deletions;
    std::array<FileChanges, std::size(kTargetFiles)> changes;
    std::string key;
    for (const UpdateRecord& record : records) {
        std::optional<std::string> line;
        if (record.operation == Operation::Delete) {
            key = RecordKey(record.body);
        } else {
            // The key of the line it files, which is what a deletion names: a
            // safe-list line starts with its kind, a cookie has no "=".
            line = DefinitionLineOf(record);
            LineKeyInto(*line, key);
        }
        for (std::size_t file = 0; file < std::size(kTargetFiles); ++file) {
            if (!Accepts(kTargetFiles[file], record.kind)) {
                continue;
            }
            if (record.operation == Operation::Delete) {
                deletions[file].insert(key);
            } else {
                changes[file].added.push_back(*line);
                deletions[file].erase(key);
            }
        }
    }
    for (std::size_t file = 0; file < std::size(kTargetFiles); ++file) {
        changes[file].pendingDeletions.assign(deletions[file].begin(), deletions[file].end());
    }
    return changes;
}

bool RewriteDefinitionFile(platform::FileSystem& fs, const std::string& path,
                           const std::string& scratchPath, const FileChanges& changes,
                           PassProgress& progress, std::size_t blockSize) {
    std::unique_ptr<platform::FileReader> reader = fs.OpenToRead(path);
    if (reader == nullptr && fs.Attributes(path).has_value()) {
        // There but unreadable: rewriting it would lose every line.
        return false;
    }
    core::FileReplacement replacement(fs, path, scratchPath);
    LinePass pass(changes, progress, replacement);
    std::string block;
    std::size_t carried = 0;  // the start of a line whose end is still to come
    while (reader != nullptr) {
        // A line longer than a block makes the block grow.
        block.resize(carried + blockSize);
        const std::optional<std::size_t> read =
            reader->Read(block.data() + carried, block.size() - carried);
        if (!read.has_value()) {
            return false;
        }
        const std::size_t filled = carried + *read;
        if (*read == 0) {
            pass.Take(std::string_view(block.data(), filled));
            break;
        }
        const std::string_view data(block.data(), filled);
        const std::size_t lastNewline = data.rfind('\n');
        const std::size_t whole = lastNewline == std::string_view::npos ? 0 : lastNewline + 1;
        pass.Take(data.substr(0, whole));
        std::memmove(block.data(), block.data() + whole, filled - whole);
        carried = filled - whole;
    }
    reader.reset();  // the file cannot be replaced while it is open
    pass.Finish();
    return replacement.Commit();
}

}  // namespace update

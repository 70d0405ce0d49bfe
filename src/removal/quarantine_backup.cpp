#include "removal/quarantine_backup.h"

#include <algorithm>
#include <memory>

#include "base/text.h"
#include "core/application.h"
#include "core/file_predicates.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_log.h"
#include "removal/saved_content.h"

namespace removal {

namespace {

// More copies of one name than anyone keeps; past it the item stays put.
constexpr int kMostCopiesOfAName = 9999;

// A name is taken while the folder holds it, and also while an index entry
// names it: a copy that went missing must not lend its entry someone else's.
// The quarantine's own files are never taken for a copy, nor is a copy
// ever written over them.
bool NameTaken(core::Application& app, const std::vector<QuarantineEntry>& indexed,
               const std::string& storedName) {
    if (IsQuarantineOwnName(storedName)) {
        return true;
    }
    if (app.ports.fileSystem.Attributes(QuarantineFolder(app.DataFolder) + "\\" + storedName)) {
        return true;
    }
    const std::string upper = base::UpperCase(storedName);
    return std::any_of(indexed.begin(), indexed.end(), [&](const QuarantineEntry& entry) {
        return base::UpperCase(entry.storedName) == upper;
    });
}

// Windows drops a name's trailing dots and blanks: the copy would be written
// under another name than the one recorded.
std::string StorableName(std::string_view name) {
    std::string storable(name);
    for (auto c = storable.rbegin(); c != storable.rend() && (*c == '.' || *c == ' '); ++c) {
        *c = '_';
    }
    return storable;
}

}  // namespace

std::string NumberedName(std::string_view name, int number, bool folder) {
    if (number <= 1) {
        return std::string(name);
    }
    const std::string suffix = " (" + std::to_string(number) + ")";
    const std::size_t dot = folder ? std::string_view::npos : name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::string(name) + suffix;
    }
    return std::string(name.substr(0, dot)) + suffix + std::string(name.substr(dot));
}

std::optional<std::string> BackUpItem(core::Application& app, std::string_view path, bool folder) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string key = base::UpperCase(path);
    // An earlier copy of this run counts only while it is still there: a
    // restore may have put it back and discarded it meanwhile.
    if (const auto earlier = app.removal.BackedUp.find(key);
        earlier != app.removal.BackedUp.end()) {
        if (fs.Attributes(QuarantineFolder(app.DataFolder) + "\\" + earlier->second.storedName)) {
            return earlier->second.storedName;
        }
        app.removal.BackedUp.erase(earlier);
    }
    std::string_view trimmed = path;
    while (!trimmed.empty() && trimmed.back() == '\\') {
        trimmed.remove_suffix(1);
    }
    const std::string name = StorableName(core::FileNameOf(trimmed));
    if (name.empty()) {
        return std::nullopt;
    }
    const std::string quarantine = QuarantineFolder(app.DataFolder);
    const std::vector<QuarantineEntry> indexed =
        LoadQuarantineEntries(fs, app.ports.textCodec, app.DataFolder);
    for (int number = 1; number <= kMostCopiesOfAName; ++number) {
        const std::string storedName = NumberedName(name, number, folder);
        const std::string target = quarantine + "\\" + storedName;
        if (NameTaken(app, indexed, storedName)) {
            continue;
        }
        const bool copied = folder ? CopyFolderTree(fs, path, target) : fs.CopyFileTo(path, target);
        if (!copied) {
            if (folder) {
                // Only what this call made: a partial copy is no backup.
                DeleteFolderTree(fs, target);
            }
            return std::nullopt;
        }
        app.removal.BackedUp.emplace(key, RemovalState::Copy{storedName, false, folder});
        return storedName;
    }
    return std::nullopt;
}

void RecordBackup(core::Application& app, std::string_view path, ItemKind kind) {
    const auto copy = app.removal.BackedUp.find(base::UpperCase(path));
    if (copy == app.removal.BackedUp.end() || copy->second.recorded) {
        return;
    }
    LogQuarantinedFile(app, path, copy->second.storedName);
    copy->second.recorded = true;
    const QuarantineKind indexKind = copy->second.folder        ? QuarantineKind::Folder
                                     : kind == ItemKind::Cookie ? QuarantineKind::Cookie
                                                                : QuarantineKind::File;
    IndexSavedContent(app, indexKind, copy->second.storedName, path, "");
}

void DropCopyOfLeftover(core::Application& app, std::string_view path) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const auto copy = app.removal.BackedUp.find(base::UpperCase(path));
    if (copy == app.removal.BackedUp.end()) {
        LogDeletionFailed(app, path, "");
        return;
    }
    const RemovalState::Copy kept = copy->second;
    const std::string stored = QuarantineFolder(app.DataFolder) + "\\" + kept.storedName;
    if (kept.folder) {
        const std::optional<ContentDigest> now = DigestFolder(fs, app.ports.hashing, path);
        const std::optional<ContentDigest> saved = DigestFolder(fs, app.ports.hashing, stored);
        if (!now || !saved || now->sha256 != saved->sha256) {
            LogDeletionFailed(app, path, kept.storedName);
            return;
        }
    }
    if (!RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, {kept.storedName})) {
        LogDeletionFailed(app, path, kept.storedName);
        return;
    }
    const bool removed = kept.folder ? DeleteFolderTree(fs, stored) : fs.RemoveFile(stored);
    app.removal.BackedUp.erase(copy);
    LogDeletionFailed(app, path, removed ? "" : kept.storedName);
}

std::optional<std::string> SaveNewFile(core::Application& app, std::string_view name,
                                       std::string_view content) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string quarantine = QuarantineFolder(app.DataFolder);
    const std::vector<QuarantineEntry> indexed =
        LoadQuarantineEntries(fs, app.ports.textCodec, app.DataFolder);
    for (int number = 1; number <= kMostCopiesOfAName; ++number) {
        const std::string storedName = NumberedName(StorableName(name), number, false);
        const std::string target = quarantine + "\\" + storedName;
        if (NameTaken(app, indexed, storedName)) {
            continue;
        }
        const std::unique_ptr<platform::FileWriter> writer = fs.CreateToWrite(target);
        if (!writer) {
            return std::nullopt;
        }
        if (!writer->Write(content) || !writer->Flush()) {
            [[maybe_unused]] const bool removed = fs.RemoveFile(target);
            return std::nullopt;
        }
        return storedName;
    }
    return std::nullopt;
}

void IndexSavedContent(core::Application& app, QuarantineKind kind, std::string_view storedName,
                       std::string_view location, std::string_view valueName) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string stored = QuarantineFolder(app.DataFolder) + "\\" + std::string(storedName);
    const std::optional<ContentDigest> digest = kind == QuarantineKind::Folder
                                                    ? DigestFolder(fs, app.ports.hashing, stored)
                                                    : DigestFile(fs, app.ports.hashing, stored);
    if (!digest) {
        return;
    }
    QuarantineEntry entry;
    entry.kind = kind;
    entry.time = IndexTimeText(app.ports.clock.Now());
    entry.size = digest->size;
    entry.sha256 = digest->sha256;
    entry.storedName = std::string(storedName);
    entry.threat = app.removal.CurrentThreat;
    entry.location = std::string(location);
    entry.valueName = std::string(valueName);
    [[maybe_unused]] const bool indexed =
        AddQuarantineEntry(fs, app.ports.textCodec, app.DataFolder, entry);
}

}  // namespace removal

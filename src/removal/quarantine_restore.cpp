#include "removal/quarantine_restore.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "base/text.h"
#include "core/application.h"
#include "removal/cookie_store_restore.h"
#include "removal/extension_removal.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_log.h"
#include "removal/registry_copy.h"
#include "removal/saved_content.h"
#include "removal/startup_item_removal.h"
#include "scan/registry_views.h"

namespace removal {

namespace {

// More items of one name beside a place than anyone keeps.
constexpr int kMostBesideNames = 999;
// Temporary copies left by restores that were cut short, and not ours to
// delete, that may stand beside one place.
constexpr int kMostTemporaryNames = 99;
constexpr std::size_t kLongestPath = 259;
constexpr std::size_t kCompareBlock = 64 * 1024;

constexpr std::array<std::string_view, 24> kDeviceNames{
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3",   "COM4",
    "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2",   "LPT3",
    "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9", "CONIN$", "CONOUT$"};

bool IsDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsPlainPart(std::string_view part) {
    if (part.empty() || part == "." || part == ".." || part.back() == ' ' || part.back() == '.') {
        // Windows drops a part's trailing dots and blanks: it would name
        // another file than the one written.
        return false;
    }
    for (const char c : part) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("<>:\"/|?*").find(c) != std::string_view::npos) {
            return false;
        }
    }
    const std::string base = base::UpperCase(base::TrimView(part.substr(0, part.find('.'))));
    return std::find(kDeviceNames.begin(), kDeviceNames.end(), base) == kDeviceNames.end();
}

std::string ParentOf(std::string_view path) {
    return std::string(path.substr(0, path.rfind('\\')));
}

std::string NameOf(std::string_view path) {
    return std::string(path.substr(path.rfind('\\') + 1));
}

std::string WithoutTrailingSlashes(std::string_view path) {
    while (path.size() > 3 && path.back() == '\\') {
        path.remove_suffix(1);
    }
    return std::string(path);
}

bool SameDigest(const std::optional<ContentDigest>& digest, const ContentDigest& expected) {
    return digest && digest->size == expected.size && digest->sha256 == expected.sha256;
}

// Removes what a restore wrote under a temporary name.
void Discard(platform::FileSystem& fs, const std::string& path) {
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    if (!attributes) {
        return;
    }
    if (attributes->directory) {
        DeleteFolderTree(fs, path);
    } else {
        [[maybe_unused]] const bool removed = fs.RemoveFile(path);
    }
}

// True when every byte of the file at `candidate` is the start of the saved
// file: a copy cut short, which holds nothing that the quarantine lacks.
bool IsStartOfFile(platform::FileSystem& fs, const std::string& candidate,
                   const std::string& saved) {
    const std::optional<std::uint64_t> size = fs.FileSize(candidate);
    const std::optional<std::uint64_t> savedSize = fs.FileSize(saved);
    if (!size || !savedSize || *size > *savedSize) {
        return false;
    }
    for (std::uint64_t offset = 0; offset < *size; offset += kCompareBlock) {
        const std::optional<std::string> a = fs.ReadFileRange(candidate, offset, kCompareBlock);
        const std::optional<std::string> b = fs.ReadFileRange(saved, offset, kCompareBlock);
        if (!a || !b || a->empty() || !b->starts_with(*a)) {
            return false;
        }
    }
    return true;
}

// A temporary copy left by an earlier restore that was cut short: nothing in
// it that the saved content does not hold, so deleting it loses nothing.
bool IsPartialCopy(platform::FileSystem& fs, const std::string& candidate,
                   const std::string& saved) {
    const std::optional<platform::PathAttributes> mine = fs.Attributes(candidate);
    const std::optional<platform::PathAttributes> theirs = fs.Attributes(saved);
    if (!mine || !theirs || mine->reparsePoint || theirs->reparsePoint ||
        mine->directory != theirs->directory) {
        return false;
    }
    if (!mine->directory) {
        return IsStartOfFile(fs, candidate, saved);
    }
    const std::optional<std::vector<platform::DirectoryEntry>> entries = fs.ListEntries(candidate);
    if (!entries) {
        return false;
    }
    return std::all_of(entries->begin(), entries->end(), [&](const platform::DirectoryEntry& e) {
        return IsPartialCopy(fs, candidate + "\\" + e.name, saved + "\\" + e.name);
    });
}

// A name beside the place for the copy on its way there: a free one, or one
// that only a restore cut short left behind (cleared first). It is never
// longer than the place's own name, so that no path into it is longer than
// the item's own path: whatever the removal could take comes back.
std::optional<std::string> TemporaryName(platform::FileSystem& fs, const std::string& target,
                                         const std::string& saved) {
    const std::string name = NameOf(target);
    for (int number = 1; number <= kMostTemporaryNames; ++number) {
        std::string temporary = "~rs" + std::to_string(number);
        if (temporary.size() > name.size()) {
            temporary = "~" + std::to_string(number);
        }
        if (temporary.size() > name.size()) {
            temporary = std::to_string(number);
        }
        if (temporary.size() > name.size() || base::UpperCase(temporary) == base::UpperCase(name)) {
            continue;
        }
        const std::string candidate = ParentOf(target) + "\\" + temporary;
        if (!fs.Attributes(candidate)) {
            return candidate;
        }
        if (IsPartialCopy(fs, candidate, saved)) {
            Discard(fs, candidate);
            if (!fs.Attributes(candidate)) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

// Makes the folders on the way to the path that are missing (the removal
// may have taken them), noting each one made; false when one cannot be made
// or a file stands where a folder must be.
bool MakeParents(platform::FileSystem& fs, const std::string& path,
                 std::vector<std::string>& made) {
    for (std::size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (const std::optional<platform::PathAttributes> there = fs.Attributes(folder)) {
            if (!there->directory || there->reparsePoint) {
                return false;
            }
            continue;
        }
        if (!fs.MakeDirectory(folder)) {
            return false;
        }
        made.push_back(folder);
    }
    return true;
}

void RemoveMade(platform::FileSystem& fs, const std::vector<std::string>& made) {
    for (auto folder = made.rbegin(); folder != made.rend(); ++folder) {
        [[maybe_unused]] const bool removed = fs.RemoveFolder(*folder);
    }
}

// The item stands whole in its place: the log says so, then the index entry
// goes, then the saved content. An index that cannot be written keeps the
// saved content too, so that no entry lists content that is gone.
RestoreResult Finish(core::Application& app, const QuarantineEntry& entry,
                     const std::string& placedAt) {
    platform::FileSystem& fs = app.ports.fileSystem;
    LogRestore(app, entry.storedName, placedAt);
    if (!entry.fromLogOnly &&
        !RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, {entry.storedName})) {
        return {RestoreOutcome::Restored, placedAt, {}};
    }
    Discard(fs, QuarantineFolder(app.DataFolder) + "\\" + entry.storedName);
    return {RestoreOutcome::Restored, placedAt, {}};
}

// What the copy on its way must match: the index's digest, or, for an item of
// a quarantine older than the index, the saved content as it stands.
std::optional<ContentDigest> ExpectedContent(core::Application& app, const QuarantineEntry& entry,
                                             const std::string& saved, bool folder) {
    platform::FileSystem& fs = app.ports.fileSystem;
    switch (CheckSavedContent(fs, app.ports.hashing, app.DataFolder, entry)) {
        case SavedContentState::Intact:
            return ContentDigest{entry.size, entry.sha256};
        case SavedContentState::Unchecked:
            break;
        case SavedContentState::Changed:
        case SavedContentState::Missing:
            return std::nullopt;
    }
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(saved);
    if (!attributes || attributes->reparsePoint || attributes->directory != folder) {
        return std::nullopt;
    }
    return folder ? DigestFolder(fs, app.ports.hashing, saved)
                  : DigestFile(fs, app.ports.hashing, saved);
}

RestoreResult RestoreFileOrFolder(core::Application& app, const QuarantineEntry& entry,
                                  RestorePlace place) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string location = WithoutTrailingSlashes(entry.location);
    if (!IsRestorablePath(location)) {
        return {RestoreOutcome::BadPlace, {}, {}};
    }
    const bool folder = entry.kind == QuarantineKind::Folder;
    const std::string saved = QuarantineFolder(app.DataFolder) + "\\" + entry.storedName;
    const std::optional<ContentDigest> expected = ExpectedContent(app, entry, saved, folder);
    if (!expected) {
        return {RestoreOutcome::Untrusted, {}, {}};
    }
    if (RunsThroughLink(fs, location)) {
        return {RestoreOutcome::ThroughLink, {}, {}};
    }
    const std::optional<platform::PathAttributes> standing = fs.Attributes(location);
    if (standing && standing->reparsePoint) {
        return {RestoreOutcome::ThroughLink, {}, {}};
    }
    std::string target = location;
    if (standing && place == RestorePlace::Original) {
        return {RestoreOutcome::Occupied, {}, {}};
    }
    if (standing) {
        target.clear();
        for (int number = 1; number <= kMostBesideNames && target.empty(); ++number) {
            const std::string beside =
                ParentOf(location) + "\\" + BesideName(NameOf(location), number, folder);
            if (!fs.Attributes(beside)) {
                target = beside;
            }
        }
        if (target.empty() || !IsRestorablePath(target)) {
            return {RestoreOutcome::Occupied, {}, {}};
        }
    }
    std::vector<std::string> made;
    if (!MakeParents(fs, target, made)) {
        RemoveMade(fs, made);
        return {RestoreOutcome::WriteFailed, {}, {}};
    }
    const std::optional<std::string> temporary = TemporaryName(fs, target, saved);
    const bool copied = temporary && (folder ? CopyFolderTree(fs, saved, *temporary)
                                             : fs.CopyFileTo(saved, *temporary));
    if (!copied || !SameDigest(folder ? DigestFolder(fs, app.ports.hashing, *temporary)
                                      : DigestFile(fs, app.ports.hashing, *temporary),
                               *expected)) {
        if (temporary) {
            Discard(fs, *temporary);
        }
        RemoveMade(fs, made);
        return {RestoreOutcome::WriteFailed, {}, {}};
    }
    if (!fs.RenameFile(*temporary, target)) {
        Discard(fs, *temporary);
        RemoveMade(fs, made);
        return {
            fs.Attributes(target) ? RestoreOutcome::Occupied : RestoreOutcome::WriteFailed, {}, {}};
    }
    // Read back before the quarantine lets go of it.
    if (!SameDigest(folder ? DigestFolder(fs, app.ports.hashing, target)
                           : DigestFile(fs, app.ports.hashing, target),
                    *expected)) {
        return {RestoreOutcome::NotInPlace, {}, {}};
    }
    return Finish(app, entry, target);
}

RestoreResult RestoreRegistryEntry(core::Application& app, const QuarantineEntry& entry) {
    const std::optional<KeyName> key = SplitKeyName(entry.location);
    if (!key) {
        return {RestoreOutcome::BadPlace, {}, {}};
    }
    // A copy that no index entry names has no digest; the import still
    // checks that it holds that entry and nothing else.
    const SavedContentState state =
        CheckSavedContent(app.ports.fileSystem, app.ports.hashing, app.DataFolder, entry);
    if (state != SavedContentState::Intact && state != SavedContentState::Unchecked) {
        return {RestoreOutcome::Untrusted, {}, {}};
    }
    // Read once and checked again: what is imported is what was verified.
    const std::optional<std::string> bytes = app.ports.fileSystem.ReadWholeFile(
        QuarantineFolder(app.DataFolder) + "\\" + entry.storedName);
    if (!bytes || (state == SavedContentState::Intact &&
                   Sha256Hex(app.ports.hashing, *bytes) != entry.sha256)) {
        return {RestoreOutcome::Untrusted, {}, {}};
    }
    const bool isValue = entry.kind == QuarantineKind::RegistryValue;
    platform::Registry& registry = app.ports.registry;
    // The location names a 32-bit program's key below WOW6432Node, as the
    // removal took it: literally, in the 64-bit view.
    const platform::RegistryView view = scan::LiteralView(registry);
    switch (ImportRegFile(registry, app.ports.textCodec, *bytes, entry.location,
                          isValue ? std::optional<std::string_view>(entry.valueName) : std::nullopt,
                          view)) {
        case ImportResult::Imported: {
            // Read back before the quarantine lets go of it.
            const RegistryCopy back =
                isValue ? ReadKeyValue(registry, key->root, key->path, entry.valueName, view)
                        : ReadKeyTree(registry, key->root, key->path, view);
            if (back.status != platform::reg_status::kOk) {
                return {RestoreOutcome::NotInPlace, {}, {}};
            }
            return Finish(app, entry,
                          isValue ? entry.location + "\\" + entry.valueName : entry.location);
        }
        case ImportResult::AlreadyThere:
            return {RestoreOutcome::Occupied, {}, {}};
        case ImportResult::Refused:
            return {RestoreOutcome::Untrusted, {}, {}};
        case ImportResult::WriteFailed:
            break;
    }
    if (!isValue) {
        // The key was not there before the import began: all of it is ours.
        [[maybe_unused]] const long status = registry.DeleteTree(key->root.handle, key->path, view);
    }
    return {RestoreOutcome::WriteFailed, {}, {}};
}

// A browser's saved cookies go back into its store, not into a file of
// their own.
RestoreResult RestoreStoreRows(core::Application& app, const QuarantineEntry& entry) {
    const CookieRestore restored = RestoreCookieRows(app, entry);
    RestoreResult result;
    if (restored.status == CookieRestoreStatus::Restored) {
        result = Finish(app, entry, entry.location);
    } else if (restored.status == CookieRestoreStatus::SavedDamaged) {
        result.outcome = RestoreOutcome::Untrusted;
    }
    result.note = CookieRestoreText(app, entry, restored);
    return result;
}

}  // namespace

std::string BesideName(std::string_view name, int number, bool folder) {
    const std::string words =
        number <= 1 ? std::string(" (restored)") : " (restored " + std::to_string(number) + ")";
    const std::size_t dot = folder ? std::string_view::npos : name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::string(name) + words;
    }
    return std::string(name.substr(0, dot)) + words + std::string(name.substr(dot));
}

bool IsRestorablePath(std::string_view path) {
    if (path.size() < 4 || path.size() > kLongestPath || !IsDriveLetter(path[0]) ||
        path[1] != ':' || path[2] != '\\') {
        return false;
    }
    for (std::size_t start = 3;;) {
        const std::size_t end = path.find('\\', start);
        if (!IsPlainPart(path.substr(start, end - start))) {
            return false;
        }
        if (end == std::string_view::npos) {
            return true;
        }
        start = end + 1;
    }
}

RestoreResult RestoreQuarantined(core::Application& app, const QuarantineEntry& entry,
                                 RestorePlace place) {
    switch (entry.kind) {
        case QuarantineKind::RegistryKey:
        case QuarantineKind::RegistryValue:
            return RestoreRegistryEntry(app, entry);
        case QuarantineKind::CookieRows:
            return RestoreStoreRows(app, entry);
        case QuarantineKind::RegistryReset:
        case QuarantineKind::HostsLines:
        case QuarantineKind::ShortcutArguments:
        case QuarantineKind::ServiceStart:
        case QuarantineKind::Task: {
            const RestoreResult result = RestoreStartupItem(app, entry);
            if (result.outcome != RestoreOutcome::Restored) {
                return result;
            }
            RestoreResult finished = Finish(app, entry, result.placedAt);
            finished.note = result.note;
            return finished;
        }
        case QuarantineKind::ExtensionSettings:
            return RestoreExtensionSettings(app, entry);
        case QuarantineKind::File:
        case QuarantineKind::Cookie:
        case QuarantineKind::Folder:
            break;
    }
    return RestoreFileOrFolder(app, entry, place);
}

}  // namespace removal

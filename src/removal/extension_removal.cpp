#include "removal/extension_removal.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/text.h"
#include "browsers/extension_settings_edit.h"
#include "core/application.h"
#include "core/file_replace.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_log.h"
#include "removal/quarantine_operations.h"
#include "removal/registry_copy.h"
#include "removal/registry_removal.h"
#include "removal/saved_content.h"

namespace removal {

namespace {

using browsers::BrowserFamily;
using browsers::InstalledExtension;

constexpr std::string_view kChromiumSettings[] = {"Preferences", "Secure Preferences"};
constexpr std::string_view kFirefoxSettings[] = {"extensions.json"};

bool IsFirefoxSettings(std::string_view path) {
    return base::UpperCase(path).ends_with("\\EXTENSIONS.JSON");
}

std::string ParentOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? std::string_view()
                                                       : path.substr(0, slash));
}

std::string LastPart(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool IsLink(platform::FileSystem& fs, const std::string& path) {
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    return RunsThroughLink(fs, path) || (attributes && attributes->reparsePoint);
}

// One settings file: its text before and after the extension's entries left.
struct SettingsChange {
    std::string path;
    std::string before;
    std::string after;
    std::string storedName;
};

// Takes back what was saved for a removal that is not going ahead.
void Unsave(core::Application& app, const std::vector<std::string>& storedNames) {
    platform::FileSystem& fs = app.ports.fileSystem;
    if (storedNames.empty()) {
        return;
    }
    [[maybe_unused]] const bool unindexed =
        RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, storedNames);
    for (const std::string& name : storedNames) {
        [[maybe_unused]] const bool removed =
            fs.RemoveFile(QuarantineFolder(app.DataFolder) + "\\" + name);
    }
}

// The extension's own files: a Chromium store extension's folder below the
// profile's Extensions folder (all its versions), an unpacked one where it
// was loaded from, a Firefox add-on's package or folder; "" when there are
// none.
std::string ExtensionFolder(platform::FileSystem& fs, const InstalledExtension& found,
                            const std::string& profileFolder) {
    std::string folder;
    if (found.family == BrowserFamily::Firefox) {
        return !found.folder.empty() && fs.Attributes(found.folder) ? found.folder : std::string();
    }
    if (found.extension.source == browsers::ExtensionSource::Unpacked) {
        folder = found.folder;
    } else if (!profileFolder.empty()) {
        folder = profileFolder + "\\Extensions\\" + found.extension.id;
    }
    return !folder.empty() && fs.DirectoryExists(folder) ? folder : std::string();
}

// The registrations that would install the extension again, removed through
// the save-first paths; what stays is listed.
void RemoveRegistrations(core::Application& app, const InstalledExtension& found,
                         std::vector<std::string>& leftovers) {
    platform::FileSystem& fs = app.ports.fileSystem;
    for (const InstalledExtension& registration : browsers::FindRegistrations(
             app.ports.shellFolders, fs, app.ports.registry, found.browser)) {
        if (!base::EqualsIgnoreCase(registration.extension.id, found.extension.id)) {
            continue;
        }
        const std::string& where = registration.recordedIn;
        if (registration.extension.source == browsers::ExtensionSource::Registry) {
            // Chromium's registration is a key named by the ID, Firefox's a
            // value of that name.
            const bool value = registration.family == BrowserFamily::Firefox;
            const std::optional<KeyName> key = SplitKeyName(value ? ParentOf(where) : where);
            const TraceOutcome outcome =
                key ? RemoveRegistryTrace(
                          app, std::to_string(static_cast<std::int32_t>(key->root.handle)),
                          key->path, value ? registration.extension.id : std::string())
                    : TraceOutcome::KeptWithoutCopy;
            if (outcome != TraceOutcome::Handled) {
                leftovers.push_back(where);
            }
            continue;
        }
        // A file of its own ("<id>.json") goes; one that names other
        // extensions too stays, and the user hears of it.
        if (base::EqualsIgnoreCase(LastPart(where), found.extension.id + ".json")) {
            QuarantineItem(app, where);
        }
        if (fs.Attributes(where)) {
            leftovers.push_back(where);
        }
    }
}

ExtensionRemovalResult RemoveProfileExtension(core::Application& app,
                                              const InstalledExtension& found) {
    platform::FileSystem& fs = app.ports.fileSystem;
    ExtensionRemovalResult result;
    const std::string& id = found.extension.id;
    const std::string profileFolder = found.profile.empty() ? "" : ParentOf(found.recordedIn);
    const bool firefox = found.family == BrowserFamily::Firefox;
    if (!profileFolder.empty() && browsers::ProfileInUse(fs, profileFolder, found.family)) {
        result.outcome = ExtensionRemoval::InUse;
        return result;
    }
    std::vector<SettingsChange> changes;
    const std::span<const std::string_view> files =
        profileFolder.empty() ? std::span<const std::string_view>()
        : firefox             ? std::span<const std::string_view>(kFirefoxSettings)
                              : std::span<const std::string_view>(kChromiumSettings);
    for (const std::string_view file : files) {
        const std::string path = profileFolder + "\\" + std::string(file);
        if (!fs.Attributes(path)) {
            continue;
        }
        const std::optional<std::string> text =
            IsLink(fs, path) ? std::nullopt : fs.ReadWholeFile(path);
        if (!text) {
            return result;
        }
        browsers::SettingsEdit edit = firefox ? browsers::RemoveFirefoxAddon(*text, id)
                                              : browsers::RemoveExtensionEntries(*text, id);
        if (edit.status != browsers::SettingsEditStatus::Done) {
            return result;
        }
        if (!edit.entries.Empty()) {
            changes.push_back({path, *text, std::move(edit.text), {}});
        }
    }
    const std::string folder = ExtensionFolder(fs, found, profileFolder);
    if (!folder.empty() && IsLink(fs, folder)) {
        return result;
    }
    // Everything saved before anything changes.
    std::vector<std::string> saved;
    for (SettingsChange& change : changes) {
        const std::optional<std::string> name =
            SaveNewFile(app, LastPart(change.path) + " (" + id + ")", change.before);
        if (!name) {
            Unsave(app, saved);
            result.outcome = ExtensionRemoval::NotSaved;
            return result;
        }
        change.storedName = *name;
        saved.push_back(*name);
        IndexSavedContent(app, QuarantineKind::ExtensionSettings, *name, change.path, id);
    }
    const bool isFolder = !folder.empty() && fs.DirectoryExists(folder);
    if (!folder.empty() && !BackUpItem(app, folder, isFolder)) {
        Unsave(app, saved);
        result.outcome = ExtensionRemoval::NotSaved;
        return result;
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (core::ReplaceFileContent(fs, changes[i].path, changes[i].after,
                                     changes[i].path + ".new")) {
            continue;
        }
        // The files already changed get their text back, so that the
        // browser never reads one without the other.
        for (std::size_t done = 0; done < i; ++done) {
            [[maybe_unused]] const bool back = core::ReplaceFileContent(
                fs, changes[done].path, changes[done].before, changes[done].path + ".new");
        }
        Unsave(app, saved);
        if (!folder.empty()) {
            const auto copy = app.removal.BackedUp.find(base::UpperCase(folder));
            if (copy != app.removal.BackedUp.end() && !copy->second.recorded) {
                const std::string stored =
                    QuarantineFolder(app.DataFolder) + "\\" + copy->second.storedName;
                [[maybe_unused]] const bool dropped =
                    isFolder ? DeleteFolderTree(fs, stored) : fs.RemoveFile(stored);
                app.removal.BackedUp.erase(copy);
            }
        }
        return result;
    }
    for (const SettingsChange& change : changes) {
        LogQuarantinedFile(app, change.path, change.storedName);
    }
    if (!folder.empty()) {
        RecordBackup(app, folder);
        if (!(isFolder ? DeleteFolderTree(fs, folder) : fs.RemoveFile(folder))) {
            result.leftovers.push_back(folder);
        }
    }
    RemoveRegistrations(app, found, result.leftovers);
    result.outcome = ExtensionRemoval::Removed;
    return result;
}

}  // namespace

ExtensionRemovalResult RemoveExtension(core::Application& app, const InstalledExtension& found) {
    if (found.extension.source == browsers::ExtensionSource::Policy) {
        return {ExtensionRemoval::ByPolicy, {}};
    }
    return RemoveProfileExtension(app, found);
}

std::string ExtensionRemovalText(core::Application& app, ExtensionRemoval outcome,
                                 const std::string& browser) {
    std::string_view key;
    switch (outcome) {
        case ExtensionRemoval::Removed:
            return {};
        case ExtensionRemoval::InUse:
            key = "MSG_EXT_BROWSER_RUNNING";
            break;
        case ExtensionRemoval::NotSaved:
            key = "MSG_EXT_NOT_SAVED";
            break;
        case ExtensionRemoval::ByPolicy:
            key = "MSG_EXT_BY_POLICY";
            break;
        case ExtensionRemoval::Unworkable:
            key = "MSG_EXT_UNWORKABLE";
            break;
    }
    return base::ReplaceAll(app.Message(key), "[Browser]", browser);
}

RestoreResult RestoreExtensionSettings(core::Application& app, const QuarantineEntry& entry) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string& location = entry.location;
    const bool firefox = IsFirefoxSettings(location);
    if (!IsRestorablePath(location) || entry.valueName.empty() ||
        (!firefox && !browsers::IsChromiumExtensionId(entry.valueName))) {
        return {RestoreOutcome::BadPlace, {}, {}};
    }
    if (IsLink(fs, location)) {
        return {RestoreOutcome::ThroughLink, {}, {}};
    }
    const std::string savedPath = QuarantineFolder(app.DataFolder) + "\\" + entry.storedName;
    const std::optional<std::string> saved =
        CheckSavedContent(fs, app.ports.hashing, app.DataFolder, entry) == SavedContentState::Intact
            ? fs.ReadWholeFile(savedPath)
            : std::nullopt;
    if (!saved || Sha256Hex(app.ports.hashing, *saved) != entry.sha256) {
        return {RestoreOutcome::Untrusted, {}, {}};
    }
    // A running browser writes its settings when it ends, over what the
    // restore put there.
    if (browsers::ProfileInUse(fs, ParentOf(location),
                               firefox ? BrowserFamily::Firefox : BrowserFamily::Chromium)) {
        return {RestoreOutcome::WriteFailed, {}, app.Message("MSG_EXT_RESTORE_RUNNING")};
    }
    const std::optional<std::string> current = fs.ReadWholeFile(location);
    if (!current) {
        return {RestoreOutcome::WriteFailed, {}, app.Message("MSG_EXT_RESTORE_NOT_SETTINGS")};
    }
    const browsers::SettingsRestore restore =
        firefox ? browsers::RestoreFirefoxAddonsText(*saved, *current, entry.valueName)
                : browsers::RestoreSettingsText(*saved, *current, entry.valueName);
    std::string note;
    switch (restore.status) {
        case browsers::SettingsRestoreStatus::Whole:
            break;
        case browsers::SettingsRestoreStatus::EntriesOnly:
            note = app.Message("MSG_EXT_RESTORE_ENTRIES_ONLY");
            break;
        case browsers::SettingsRestoreStatus::AlreadyThere:
            return {RestoreOutcome::WriteFailed, {}, app.Message("MSG_EXT_RESTORE_ALREADY")};
        case browsers::SettingsRestoreStatus::CurrentNotSettings:
            return {RestoreOutcome::WriteFailed, {}, app.Message("MSG_EXT_RESTORE_NOT_SETTINGS")};
        case browsers::SettingsRestoreStatus::SavedNotSettings:
            return {RestoreOutcome::Untrusted, {}, {}};
    }
    if (!core::ReplaceFileContent(fs, location, restore.text, location + ".new")) {
        return {RestoreOutcome::WriteFailed, {}, {}};
    }
    LogRestore(app, entry.storedName, location);
    if (RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, {entry.storedName})) {
        [[maybe_unused]] const bool removed = fs.RemoveFile(savedPath);
    }
    return {RestoreOutcome::Restored, location, note};
}

}  // namespace removal

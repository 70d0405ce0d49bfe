#include "removal/registry_removal.h"

#include <cstdint>
#include <optional>
#include <string>

#include "base/text.h"
#include "browsers/browser_policies.h"
#include "core/application.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_log.h"
#include "removal/reg_file.h"
#include "removal/registry_copy.h"
#include "removal/registry_roots.h"
#include "scan/registry_views.h"

namespace removal {

namespace {

// Longest name a copy is given before its ".reg", well inside what every
// file system takes.
constexpr std::size_t kLongestCopyName = 80;

// Whether the value is still there, read afresh: a deletion that the
// registry calls done may have left it, or had it set again at once.
bool ValueStillThere(platform::Registry& registry, const RootKey& root, const std::string& key,
                     const std::string& value) {
    const platform::RegistryOpenResult opened = registry.OpenKey(
        root.handle, key, platform::reg_access::kQueryValue, scan::LiteralView(registry));
    if (opened.status == platform::reg_status::kNotFound) {
        return false;
    }
    platform::RegistryValue data;
    return !opened.key || opened.key->QueryValue(value, data) != platform::reg_status::kNotFound;
}

bool KeyStillThere(platform::Registry& registry, const RootKey& root, const std::string& key) {
    return registry
               .OpenKey(root.handle, key, platform::reg_access::kQueryValue,
                        scan::LiteralView(registry))
               .status != platform::reg_status::kNotFound;
}

// Deletes the value and writes its record once it is gone.
// False when the value is still there: its key or the value refused the
// deletion, or it came back, and no record may claim that it went.
bool DeleteValue(core::Application& app, const RootKey& root, const std::string& key,
                 const std::string& value) {
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryOpenResult opened = registry.OpenKey(
        root.handle, key, platform::reg_access::kSetValue, scan::LiteralView(registry));
    const long status = opened.key ? opened.key->DeleteValue(value) : opened.status;
    if ((status != platform::reg_status::kOk && status != platform::reg_status::kNotFound) ||
        ValueStillThere(registry, root, key, value)) {
        return false;
    }
    LogRegistryRemoval(app, std::string(root.name) + "\\" + key, value);
    return true;
}

// A file name for the copy: the key's own name, and the value's, with
// what a file name cannot hold replaced.
std::string CopyName(const std::string& key, const std::string& value) {
    const std::size_t slash = key.rfind('\\');
    std::string name = slash == std::string::npos ? key : key.substr(slash + 1);
    if (!value.empty()) {
        name += " - " + value;
    }
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    if (name.size() > kLongestCopyName) {
        name.resize(kLongestCopyName);
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) {
        name.pop_back();
    }
    return (name.empty() ? std::string("registry") : name) + ".reg";
}

bool SameCopy(const std::vector<RegFileKey>& a, const std::vector<RegFileKey>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name || a[i].values.size() != b[i].values.size()) {
            return false;
        }
        for (std::size_t j = 0; j < a[i].values.size(); ++j) {
            const platform::NamedRegistryValue& x = a[i].values[j];
            const platform::NamedRegistryValue& y = b[i].values[j];
            if (x.name != y.name || x.value.type != y.value.type || x.value.data != y.value.data) {
                return false;
            }
        }
    }
    return true;
}

// A browser's list policy whose last value went (or ExtensionSettings whose
// last extension's key went): the empty key would still read as a policy. Its place is in the
// value's saved copy, so a restore makes it again.
void DeleteEmptyPolicyList(core::Application& app, const RootKey& root, const std::string& key) {
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryView view = scan::LiteralView(registry);
    const platform::RegistryOpenResult opened =
        registry.OpenKey(root.handle, key, platform::reg_access::kRead, view);
    std::vector<platform::NamedRegistryValue> values;
    std::vector<std::string> subKeys;
    if (!opened.key || opened.key->EnumerateValues(values) != platform::reg_status::kOk ||
        opened.key->EnumerateSubKeys(subKeys) != platform::reg_status::kOk || !values.empty() ||
        !subKeys.empty()) {
        return;
    }
    [[maybe_unused]] const long status = registry.DeleteTree(root.handle, key, view);
}

enum class SaveOutcome { Saved, NothingThere, Failed };

struct SavedTrace {
    SaveOutcome outcome = SaveOutcome::Failed;
    RemovalState::SavedCopy copy;  // once saved
};

// A copy that this run saved, if it is still in the quarantine as it was
// written: a restore may have put it back and discarded it meanwhile.
bool StillSaved(core::Application& app, const RemovalState::SavedCopy& copy) {
    return app.ports.fileSystem.ReadWholeFile(QuarantineFolder(app.DataFolder) + "\\" +
                                              copy.storedName) == copy.content;
}

std::string Identity(const RootKey& root, const std::string& key, const std::string& value) {
    return base::UpperCase(std::string(root.name) + "\\" + key) + "\n" +
           (value.empty() ? "\n" : base::UpperCase(value));
}

// Saves what the trace would delete, once per removal: a copy saved earlier
// in the run is trusted only while it is still there as saved.
SavedTrace SaveTrace(core::Application& app, const RootKey& root, const std::string& key,
                     const std::string& value) {
    const std::string identity = Identity(root, key, value);
    if (const auto earlier = app.removal.SavedRegistry.find(identity);
        earlier != app.removal.SavedRegistry.end()) {
        if (StillSaved(app, earlier->second)) {
            return {SaveOutcome::Saved, earlier->second};
        }
        app.removal.SavedRegistry.erase(earlier);
    }
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryView view = scan::LiteralView(registry);
    const RegistryCopy copy = value.empty() ? ReadKeyTree(registry, root, key, view)
                                            : ReadKeyValue(registry, root, key, value, view);
    if (copy.status == platform::reg_status::kNotFound) {
        return {SaveOutcome::NothingThere, {}};
    }
    if (copy.status != platform::reg_status::kOk) {
        return {SaveOutcome::Failed, {}};
    }
    const std::string content = WriteRegFile(copy.keys, app.ports.textCodec);
    // A name or text that the file cannot carry exactly makes no copy.
    const std::optional<std::vector<RegFileKey>> readBack =
        ParseRegFile(content, app.ports.textCodec);
    if (!readBack || !SameCopy(*readBack, copy.keys)) {
        return {SaveOutcome::Failed, {}};
    }
    const std::optional<std::string> storedName = SaveNewFile(app, CopyName(key, value), content);
    if (!storedName) {
        return {SaveOutcome::Failed, {}};
    }
    IndexSavedContent(app,
                      value.empty() ? QuarantineKind::RegistryKey : QuarantineKind::RegistryValue,
                      *storedName, std::string(root.name) + "\\" + key, value);
    RemovalState::SavedCopy saved{*storedName, content};
    app.removal.SavedRegistry.emplace(identity, saved);
    return {SaveOutcome::Saved, std::move(saved)};
}

// The copy of an entry that is still whole where it was, with its index
// entry: nothing was removed, so the quarantine has nothing to give back.
void DiscardCopy(core::Application& app, const std::string& identity,
                 const RemovalState::SavedCopy& copy) {
    platform::FileSystem& fs = app.ports.fileSystem;
    if (RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, {copy.storedName})) {
        [[maybe_unused]] const bool removed =
            fs.RemoveFile(QuarantineFolder(app.DataFolder) + "\\" + copy.storedName);
        app.removal.SavedRegistry.erase(identity);
    }
}

// A key whose tree went only in part: what went comes back from its copy,
// and then the copy, with its entry, goes, since nothing was removed. When
// that cannot be done the entry stays, and a restore completes the key.
void PutBackPartlyDeleted(core::Application& app, const RootKey& root, const std::string& key,
                          const RemovalState::SavedCopy& copy) {
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryView view = scan::LiteralView(registry);
    if (!StillSaved(app, copy)) {
        return;
    }
    // Nothing may have gone at all; otherwise the key is completed.
    [[maybe_unused]] const ImportResult imported =
        ImportRegFile(registry, app.ports.textCodec, copy.content,
                      std::string(root.name) + "\\" + key, std::nullopt, view);
    const RegistryCopy now = ReadKeyTree(registry, root, key, view);
    const std::optional<std::vector<RegFileKey>> saved =
        ParseRegFile(copy.content, app.ports.textCodec);
    if (now.status != platform::reg_status::kOk || !saved || !SameCopy(now.keys, *saved)) {
        return;
    }
    DiscardCopy(app, Identity(root, key, ""), copy);
}

}  // namespace

TraceOutcome RemoveRegistryTrace(core::Application& app, std::string_view rootText,
                                 std::string_view keyPath, std::string_view valueName) {
    const std::string trimmedRoot = base::Trim(rootText);
    const std::string key = base::Trim(keyPath);
    const std::string value = base::Trim(valueName);
    if (trimmedRoot.empty() || key.empty()) {
        return TraceOutcome::Handled;
    }
    const std::optional<RootKey> root = RootKeyOfHandleText(trimmedRoot);
    if (!root) {
        // Nothing is handed to the registry, but the record of what was asked
        // for is written as for any value; the key itself cannot have gone.
        LogRegistryRemoval(app, trimmedRoot + "\\" + key, value);
        return TraceOutcome::Handled;
    }
    // The copy comes first; without one nothing goes, and no record claims
    // that it went.
    const SavedTrace saved = SaveTrace(app, *root, key, value);
    if (saved.outcome == SaveOutcome::Failed) {
        return TraceOutcome::KeptWithoutCopy;
    }
    if (!value.empty()) {
        if (!DeleteValue(app, *root, key, value)) {
            if (saved.outcome == SaveOutcome::Saved && StillSaved(app, saved.copy)) {
                DiscardCopy(app, Identity(*root, key, value), saved.copy);
            }
            return TraceOutcome::NotDeleted;
        }
        if (scan::IsPolicyListKey(key)) {
            DeleteEmptyPolicyList(app, *root, key);
        }
        return TraceOutcome::Handled;
    }
    // The row names its key as regedit shows it (a 32-bit program's key below
    // WOW6432Node), which only the 64-bit view takes literally. The default
    // value goes with the tree, not before it, so that a tree that cannot go
    // keeps it.
    platform::Registry& registry = app.ports.registry;
    const long status = registry.DeleteTree(root->handle, key, scan::LiteralView(registry));
    if ((status != platform::reg_status::kOk && status != platform::reg_status::kNotFound) ||
        KeyStillThere(registry, *root, key)) {
        if (saved.outcome == SaveOutcome::Saved) {
            PutBackPartlyDeleted(app, *root, key, saved.copy);
        }
        return TraceOutcome::NotDeleted;
    }
    LogRegistryRemoval(app, std::string(root->name) + "\\" + key, "");
    if (status == platform::reg_status::kOk) {
        const auto signedHandle = static_cast<std::int32_t>(root->handle);
        LogRegistryRemoval(app, std::to_string(signedHandle) + "\\" + key, "All Values");
    }
    if (const std::string parent = key.substr(0, key.rfind('\\')); scan::IsPolicyListKey(parent)) {
        DeleteEmptyPolicyList(app, *root, parent);
    }
    return TraceOutcome::Handled;
}

}  // namespace removal

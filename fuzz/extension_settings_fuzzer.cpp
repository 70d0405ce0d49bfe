// A browser's extension settings from outside: the same bytes read as
// Preferences, as a manifest with its locale messages, as Firefox's
// extensions.json and extension-settings.json and as external extensions files must give only
// well-formed entries, whatever they hold.

#include "browsers/extension_settings.h"
#include "browsers/extension_settings_edit.h"
#include "fuzz_target.h"

namespace {

void RequireShort(const std::string& text, const char* promise) {
    fuzz::Require(text.size() <= browsers::kLongestExtensionText + 3 &&
                      text.find_first_of("\r\n") == std::string::npos,
                  promise);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    for (const browsers::RecordedExtension& extension : browsers::ReadChromiumSettings(text)) {
        fuzz::Require(browsers::IsChromiumExtensionId(extension.id), "a Chromium entry has an ID");
        RequireShort(extension.name, "a name fits a row");
    }
    if (const std::optional<browsers::RecordedExtension> manifest = browsers::ReadManifest(text)) {
        RequireShort(manifest->name, "a manifest's name fits a row");
        const std::string name = browsers::ResolveMessageName(manifest->name, text);
        fuzz::Require(name == manifest->name || name.size() <= browsers::kLongestExtensionText + 3,
                      "a resolved name fits a row");
    }
    for (const browsers::RecordedExtension& addon : browsers::ReadFirefoxAddons(text)) {
        fuzz::Require(!addon.id.empty(), "an add-on has an ID");
        RequireShort(addon.id, "an add-on's ID fits a row");
        // Taking an add-on out and undoing it gives the file back to the byte.
        const browsers::SettingsEdit removed = browsers::RemoveFirefoxAddon(text, addon.id);
        if (removed.status == browsers::SettingsEditStatus::Done) {
            const browsers::SettingsRestore back =
                browsers::RestoreFirefoxAddonsText(text, removed.text, addon.id);
            fuzz::Require(
                back.status == browsers::SettingsRestoreStatus::Whole && back.text == text,
                "an untouched extensions.json comes back whole");
        }
    }
    for (const browsers::RecordedExtension& extension : browsers::ReadChromiumSettings(text)) {
        const browsers::SettingsEdit removed = browsers::RemoveExtensionEntries(text, extension.id);
        if (removed.status == browsers::SettingsEditStatus::Done && !removed.entries.Empty()) {
            const browsers::SettingsRestore back =
                browsers::RestoreSettingsText(text, removed.text, extension.id);
            fuzz::Require(
                back.status == browsers::SettingsRestoreStatus::Whole && back.text == text,
                "an untouched settings file comes back whole");
        }
    }
    for (const auto& [id, overrides] : browsers::ReadFirefoxOverrides(text)) {
        RequireShort(id, "an overriding add-on's ID fits a row");
    }
    for (const std::string_view file :
         {"external_extensions.json", "aaaabbbbccccddddeeeeffffgggghhhh.json"}) {
        for (const std::string& id : browsers::ExternalExtensionIds(file, text)) {
            fuzz::Require(browsers::IsChromiumExtensionId(id), "an external file names IDs only");
        }
    }
    return 0;
}

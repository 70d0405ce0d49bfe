#pragma once

// Takes one extension's entries out of a Chromium profile's Preferences or
// Secure Preferences text and puts them back, touching no other byte of the
// file: its settings (`extensions.settings.<id>`) and the protection entry
// that the browser keeps for them (`protection.macs.extensions.settings.<id>`).
// A browser that finds its other settings rewritten would reset them, so the
// text is edited where the entries stand rather than written anew.

#include <string>
#include <string_view>

namespace browsers {

// An extension's entries as their JSON text stood in the file; "" for an
// entry the file did not hold.
struct ExtensionEntries {
    std::string settings;
    std::string protection;

    [[nodiscard]] bool Empty() const noexcept { return settings.empty() && protection.empty(); }
};

enum class SettingsEditStatus {
    Done,
    // The text is not a JSON object within the settings limits: left as it is.
    NotSettings,
    // Putting back: the file holds an entry of that extension already (the
    // browser or the user installed it again); nothing is changed.
    AlreadyThere,
};

struct SettingsEdit {
    SettingsEditStatus status = SettingsEditStatus::NotSettings;
    std::string text;          // the whole new text when Done
    ExtensionEntries entries;  // removing: what was taken out (empty: nothing)
};

// The text without the extension's entries (every one of that name in the
// objects the browser reads), and the entries the browser read, to put back.
// Done with the text unchanged and no entries when it holds none.
[[nodiscard]] SettingsEdit RemoveExtensionEntries(std::string_view text, std::string_view id);

// The text with the entries put back in the objects the browser reads,
// making those objects where the text has none; all or nothing.
[[nodiscard]] SettingsEdit PutBackExtensionEntries(std::string_view text, std::string_view id,
                                                   const ExtensionEntries& entries);

}  // namespace browsers

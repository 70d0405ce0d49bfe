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

enum class SettingsRestoreStatus {
    // The file is as the removal left it: the saved text goes back whole.
    Whole,
    // The browser changed the file since: only the extension's entries go
    // back into its text as it is now.
    EntriesOnly,
    // The browser changed the file and holds that extension again: the
    // file is left as it is.
    AlreadyThere,
    // The file as it is now is no settings text: left as it is.
    CurrentNotSettings,
    // The saved text is no settings text: nothing to put back from.
    SavedNotSettings,
};

struct SettingsRestore {
    SettingsRestoreStatus status = SettingsRestoreStatus::SavedNotSettings;
    std::string text;  // the file's new text for Whole and EntriesOnly
};

// What a settings file becomes when an extension's removal is undone:
// `saved` is the file's text before the removal, `current` its text now.
// The removal's own text follows from the saved one, so a file the browser
// has not touched since is told apart without anything else kept.
[[nodiscard]] SettingsRestore RestoreSettingsText(std::string_view saved, std::string_view current,
                                                  std::string_view id);

// Firefox's extensions.json: the add-on of that ID taken out of its
// "addons" list (its element's text in `entries.settings`), and put back at
// the list's end; the rest of the text is left to the byte.
[[nodiscard]] SettingsEdit RemoveFirefoxAddon(std::string_view text, std::string_view id);
[[nodiscard]] SettingsEdit PutBackFirefoxAddon(std::string_view text, std::string_view id,
                                               std::string_view addon);
// As RestoreSettingsText, for extensions.json.
[[nodiscard]] SettingsRestore RestoreFirefoxAddonsText(std::string_view saved,
                                                       std::string_view current,
                                                       std::string_view id);

}  // namespace browsers

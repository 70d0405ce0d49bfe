#pragma once

// Removing a browser extension so that the browser does not bring it back,
// and putting its settings back. With the browser closed: the extension's
// folder (a Firefox add-on's package) goes into the quarantine, its entries
// leave Preferences and Secure Preferences (Firefox: extensions.json), each
// file saved first, then replaced in one step, and what would install it
// again (its key or value below the browser's Extensions registry keys, its
// external extensions file) is removed through the save-first paths. Nothing is half-done: when
// anything fails before the first file is changed, nothing is.

#include <string>
#include <vector>

#include "browsers/extension_inventory.h"
#include "removal/quarantine_restore.h"

namespace core {
class Application;
}

namespace removal {

enum class ExtensionRemoval {
    Removed,
    InUse,       // the browser runs with the profile: nothing was changed
    NotSaved,    // no copy could be kept, so nothing was changed
    ByPolicy,    // an organisation's policy installs it: nothing was changed
    Unworkable,  // its settings could not be read or written: nothing was changed
};

struct ExtensionRemovalResult {
    ExtensionRemoval outcome = ExtensionRemoval::Unworkable;
    // What would install it again and is still there (a key or a file).
    std::vector<std::string> leftovers;
};

[[nodiscard]] ExtensionRemovalResult RemoveExtension(core::Application& app,
                                                     const browsers::InstalledExtension& found);

// The catalogued text that says why the removal did not happen; "" for
// Removed.
[[nodiscard]] std::string ExtensionRemovalText(core::Application& app, ExtensionRemoval outcome,
                                               const std::string& browser);

// For an entry of kind ExtensionSettings: the settings file as the removal
// left it goes back whole; one the browser has changed since gets the
// extension's own entries back only, or stays as it is (said in the note).
[[nodiscard]] RestoreResult RestoreExtensionSettings(core::Application& app,
                                                     const QuarantineEntry& entry);

}  // namespace removal

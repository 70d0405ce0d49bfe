#pragma once

// The rules that judge a startup entry without any definition: each says
// what makes an entry suspicious, with the catalogued text that tells the
// user why. They are one table, in the order they are tried.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/startup_entry.h"

namespace startup_items {

// The folders the rules know, as full paths without a trailing backslash.
struct RuleFolders {
    std::string windows;
    std::string system;
    // Where installed programs live: an administrator's to change.
    std::vector<std::string> programFolders;
    // Folders any user can write, with everything below them.
    std::vector<std::string> writableTrees;
    // Folders any user can write, with their direct sub-folders only: the
    // application data roots.
    std::vector<std::string> writableRoots;
    // Folders any user can write, without their sub-folders: ProgramData.
    std::vector<std::string> writableFolders;
};

struct RuleContext {
    RuleFolders folders;
    // An organisation manages the machine: its proxy settings are its own.
    bool managed = false;
};

// The first rule that the entry meets; nullopt when it meets none.
[[nodiscard]] std::optional<Verdict> Judge(const StartupEntry& entry, const RuleContext& context);

// Whether a browser's argument is an address to open or an extension to load.
[[nodiscard]] bool IsAddressOrExtensionArgument(std::string_view word);
// A browser shortcut's arguments without those: the others (a profile, a
// window size) stay, in their order.
[[nodiscard]] std::string CleanBrowserArguments(std::string_view arguments);

// Whether the path lies where any user can write (a folder above, or the
// Recycle Bin of any drive).
[[nodiscard]] bool InWritableFolder(std::string_view path, const RuleFolders& folders);

// Whether the path lies below one of the folders (letter case aside).
[[nodiscard]] bool IsBelow(std::string_view path, std::string_view folder);

}  // namespace startup_items

#pragma once

// Copies of removed items in the quarantine. The folder is flat: an item is
// kept under its own name, and an item whose name is already taken there is
// kept beside it as "name (2).ext", "name (3).ext" and so on, so that no
// item is ever deleted without a copy of its own.

#include <optional>
#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace removal {

// The name in the quarantine of the copy of the file or folder at `path`,
// made now or earlier in this removal; nullopt when no complete copy could be
// made (the item must then stay where it is).
[[nodiscard]] std::optional<std::string> BackUpItem(core::Application& app, std::string_view path,
                                                    bool folder);

// Writes the file record of the item's copy, once per copy, whichever pass
// made it: no copy is kept without a record of where it came from.
void RecordBackup(core::Application& app, std::string_view path);

// "name (n).ext" for a file, "name (n)" for a folder; number 1 is the name.
[[nodiscard]] std::string NumberedName(std::string_view name, int number, bool folder);

}  // namespace removal

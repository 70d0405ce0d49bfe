#pragma once

// Copies of removed items in the quarantine. The folder is flat: an item is
// kept under its own name, and an item whose name is already taken there is
// kept beside it as "name (2).ext", "name (3).ext" and so on, so that no
// item is ever deleted without a copy of its own.

#include <optional>
#include <string>
#include <string_view>

#include "removal/quarantine_index.h"

namespace core {
class Application;
}

namespace removal {

enum class ItemKind { FileOrFolder, Cookie };

// The name in the quarantine of the copy of the file or folder at `path`,
// made now or earlier in this removal; nullopt when no complete copy could be
// made (the item must then stay where it is).
[[nodiscard]] std::optional<std::string> BackUpItem(core::Application& app, std::string_view path,
                                                    bool folder);

// Writes the file record of the item's copy, once per copy, whichever pass
// made it: no copy is kept without a record of where it came from. The
// quarantine's index gets the copy's entry too, under the threat of the row
// being removed; a cookie's copy is indexed as a cookie.
void RecordBackup(core::Application& app, std::string_view path,
                  ItemKind kind = ItemKind::FileOrFolder);

// The item at `path` is still in its place after the removal: its copy of
// this removal is nothing to restore, so its index entry and the copy go,
// and the log says the deletion failed. A folder that lost part of what it
// held keeps both: the copy alone holds that part, and a restore completes
// the folder.
void DropCopyOfLeftover(core::Application& app, std::string_view path);

// Writes `content` as a new file in the quarantine under a free name made
// from `name`, on the disk before this returns; the name, or nullopt when
// no complete file could be written (none is left behind then).
[[nodiscard]] std::optional<std::string> SaveNewFile(core::Application& app, std::string_view name,
                                                     std::string_view content);

// Adds the index entry of saved content now in the quarantine, with its
// size and digest and the time of the removal. An index that cannot be
// written never stops the removal.
void IndexSavedContent(core::Application& app, QuarantineKind kind, std::string_view storedName,
                       std::string_view location, std::string_view valueName);

// "name (n).ext" for a file, "name (n)" for a folder; number 1 is the name.
[[nodiscard]] std::string NumberedName(std::string_view name, int number, bool folder);

}  // namespace removal

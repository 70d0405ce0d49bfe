#pragma once

// Putting an item of the quarantine back where a removal took it from.
// Nothing is ever written over and no link is ever followed. A file or
// folder is copied under a temporary name beside its place, checked against
// the digest of what was saved, and only then given its own name, which
// fails when something has appeared there meanwhile. Only when the item
// stands whole in its place do its index entry and then its saved content
// go; so a restore ended at any moment leaves the item in the quarantine, or
// in its place (perhaps in both). A registry entry comes back from its .reg
// copy in the view the removal took it from.

#include <string>
#include <string_view>

#include "removal/quarantine_index.h"

namespace core {
class Application;
}

namespace removal {

enum class RestoreOutcome {
    Restored,
    // Something stands at the place (or appeared there meanwhile); nothing
    // was written.
    Occupied,
    // The saved content is missing, or is not what was saved; nothing was
    // written.
    Untrusted,
    // The place, or a folder on the way to it, is a link now.
    ThroughLink,
    // The location is no plain full path or registry key to write back to.
    BadPlace,
    // It could not be written there; nothing of it is left there.
    WriteFailed,
    // The platform called it written back, but it is not in its place as
    // saved (a program guarding the place may have taken it again): the
    // quarantine keeps it.
    NotInPlace,
};

// Where a file, folder or cookie goes: its own place, or beside whatever
// stands there now under a free name. A registry entry only ever goes back
// to its own place.
enum class RestorePlace { Original, Beside };

struct RestoreResult {
    RestoreOutcome outcome = RestoreOutcome::WriteFailed;
    // Where the item stands now: a path, or a key (and "\" and a value's
    // name) as regedit names it. Empty unless restored.
    std::string placedAt;
    // What the user is to be told of this item beyond its outcome (a
    // catalogued text), restored or not; empty when nothing.
    std::string note;
};

[[nodiscard]] RestoreResult RestoreQuarantined(core::Application& app, const QuarantineEntry& entry,
                                               RestorePlace place);

// "name (restored).ext" for number 1, "name (restored 2).ext" after it; a
// folder's name gets the words at its end.
[[nodiscard]] std::string BesideName(std::string_view name, int number, bool folder);

// True for a full local path ("C:\folder\name") that names exactly one
// place: no relative, device, stream or network forms, no "." or ".."
// parts, and no part that Windows would read as another name.
[[nodiscard]] bool IsRestorablePath(std::string_view path);

}  // namespace removal

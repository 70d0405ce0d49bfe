#pragma once

// Deleting what the quarantine holds for good: the items the user checks in
// the quarantine window, and, when the user asked for it, the items older
// than a number of days at every start.

#include <string>
#include <vector>

#include "removal/quarantine_index.h"

namespace core {
class Application;
}

namespace removal {

// Deletes the saved content of the entries and then their index entries.
// Returns the entries whose content could not be deleted: they stay listed,
// in the index too, so nothing is forgotten that is still there.
std::vector<QuarantineEntry> DeleteQuarantined(core::Application& app,
                                               const std::vector<QuarantineEntry>& entries);

// The start's clean-up: deletes the items removed more than the option's
// number of days ago; nothing while the option is off.
void PurgeOldQuarantine(core::Application& app);

// The window's "Delete permanently": asks, then deletes the checked items,
// lists what is left and says when some could not be deleted.
void cmdDeleteQuarantined_Click(core::Application& app);

}  // namespace removal

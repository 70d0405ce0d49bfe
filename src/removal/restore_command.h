#pragma once

// The quarantine window's Restore: asks, with the offer to add the restored
// items to the exclusions, then puts the checked items back one by one,
// asking what to do where something already stands in an item's place,
// and says which items stay in the quarantine and why.

#include <string>

#include "removal/quarantine_index.h"

namespace core {
class Application;
}

namespace removal {

void cmdRestoreQuarantined_Click(core::Application& app);

// The name under which a scan would find the restored item, for the
// exclusion list: its path, or its registry location as the registry scan
// writes it (a value's name follows its key without a backslash).
[[nodiscard]] std::string ScanNameOfRestored(const QuarantineEntry& entry,
                                             const std::string& placedAt);

}  // namespace removal

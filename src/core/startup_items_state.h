#pragma once

// What the last scan read of the startup places: every entry with its
// verdict, for the report and for the removal, which must know the entries
// it cannot change yet.

#include <optional>
#include <string>
#include <vector>

#include "core/startup_entry.h"

namespace startup_items {

struct JudgedEntry {
    StartupEntry entry;
    std::optional<Verdict> verdict;
    // The finding's name on the results page; "" when the entry is clean.
    std::string findingName;
};

struct StartupItemsState {
    // The places were read in the last scan (a stopped scan may not get to them).
    bool read = false;
    std::vector<JudgedEntry> entries;
    // The hosts file, and how many of its lines block a name.
    std::string hostsFile;
    bool hostsFileRead = false;
    std::size_t blockingHostsLines = 0;
};

}  // namespace startup_items

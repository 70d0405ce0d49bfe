#pragma once

// Browser extension definitions from a published list of malicious
// extension IDs: a comma-separated table whose columns are found by their
// header names (EXTID, EXTID-NAME, THREAT-TYPE, BROWSER, CONFIRM-MAL, and
// NOTES for the campaign of an unnamed extension); other columns are
// ignored.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "checked.h"
#include "definition_changes.h"

namespace defserver {

struct ExtensionList {
    // One EXT addition per confirmed extension, in the table's order.
    std::vector<Change> additions;
    // The records that give no definition, each as "line N: why".
    std::vector<std::string> badLines;
    // Listed but not confirmed malicious: left out.
    std::size_t unconfirmed = 0;
};

// Fails when the text is no table or lacks one of the columns it needs.
[[nodiscard]] Checked<ExtensionList> ReadExtensionList(std::string_view csvText);

}  // namespace defserver

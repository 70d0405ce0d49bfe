#pragma once

// Putting a browser's saved cookies back into its store: exactly the rows
// the removal saved, in one transaction, the store replaced in one step.
// A row whose host, name and path the store has again is not put back, so
// that nothing the browser wrote since is overwritten.

#include <cstdint>
#include <string>

#include "removal/quarantine_index.h"

namespace core {
class Application;
}

namespace removal {

enum class CookieRestoreStatus {
    Restored,      // every row not already there was put back
    InUse,         // the browser holds its store; nothing was changed
    SavedDamaged,  // the saved copy is missing or not what was saved
    StoreMissing,  // the browser's store is not there any more
    OtherLayout,   // the store's layout is of another version than the saved rows; unchanged
    Failed,        // the rows could not be put back; nothing was changed
};

struct CookieRestore {
    CookieRestoreStatus status = CookieRestoreStatus::Failed;
    std::int64_t restored = 0;
    std::int64_t skipped = 0;  // already in the store: kept as they are
};

// For an entry of kind CookieRows. The saved copy stays in the quarantine;
// the caller removes it as it does for every restored item.
[[nodiscard]] CookieRestore RestoreCookieRows(core::Application& app, const QuarantineEntry& entry);

// What to tell the user about a restore: a catalogued text, or "" when
// there is nothing to say.
[[nodiscard]] std::string CookieRestoreText(core::Application& app, const QuarantineEntry& entry,
                                            const CookieRestore& result);

}  // namespace removal

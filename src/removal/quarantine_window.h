#pragma once

// The Quarantine menu's window of what the removals took: it opens from the
// menu and lists the quarantine's items. Putting items back and deleting
// them attach to its buttons elsewhere.

#include <vector>

#include "ui/frm_quarantine.h"

namespace core {
class Application;
}

namespace removal {

void AttachQuarantineWindow(core::Application& app);

// The menu's "Restore or delete quarantined items...": the window, showing
// the quarantine as it is now.
void OpenQuarantineWindow(core::Application& app);

// The rows the window lists, in the order the items were removed: one for
// each entry of the quarantine's index, then one for each item of an older
// quarantine that only the log names (whose threat is then the item's own
// name). A row's id is the item's name in the quarantine.
[[nodiscard]] std::vector<ui::QuarantineRow> QuarantineRows(core::Application& app);

}  // namespace removal

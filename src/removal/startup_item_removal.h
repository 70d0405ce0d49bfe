#pragma once

// Taking away the startup entries that are neither a plain registry value
// nor a file, each saved in the quarantine first: Winlogon's and the AppInit
// libraries' values, the proxy and the DNS servers set by hand, put back to
// the system's own settings; the hosts file's redirecting lines commented
// out; a browser shortcut's address and extension arguments taken out; a
// service disabled (never deleted); a scheduled task deleted after its
// definition is exported. Each comes back from the quarantine window
// exactly, and only over what the removal itself left there.

#include <string>

#include "removal/quarantine_restore.h"

namespace core {
class Application;
}

namespace removal {

// Changes every checked startup finding of these kinds, once per removal
// (in the pass that lists what remains), and lists each one that was left
// as it was in Delete Failed with why and what to do, unchecked so that
// nothing counts it as removed. Nothing is changed without its copy.
void RemoveStartupItems(core::Application& app, bool secondPass);

// Puts back an entry of the kinds saved here. The caller finishes a
// restored one (log, index, saved content).
[[nodiscard]] RestoreResult RestoreStartupItem(core::Application& app,
                                               const QuarantineEntry& entry);

// Whether the kind is one of those restored here.
[[nodiscard]] bool IsStartupItemKind(QuarantineKind kind);

}  // namespace removal

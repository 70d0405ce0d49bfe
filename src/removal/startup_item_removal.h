#pragma once

// Taking away the startup entries that are neither a plain registry value
// nor a file, each saved in the quarantine first: Winlogon's and the AppInit
// libraries' values, the proxy and the DNS servers set by hand, put back to
// the system's own settings; the hosts file's redirecting lines commented
// out; a browser shortcut's address and extension arguments taken out; a
// service disabled (never deleted); a scheduled task deleted after its
// definition is exported. Each comes back from the quarantine window
// exactly, and only over what the removal itself left there.

#include <optional>
#include <string>
#include <string_view>

#include "core/startup_items_state.h"
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

// Removes one entry read from the startup places, as the removal would:
// a registry value deleted, or the entry changed in place, saved first. The
// catalogue key of why it was left as it was; nullopt when it went (or was
// gone already). A hosts line is looked for in `hostsFile`.
[[nodiscard]] std::optional<std::string_view> RemoveStartupEntry(
    core::Application& app, const startup_items::JudgedEntry& judged, const std::string& hostsFile);

// Puts back an entry of the kinds saved here. The caller finishes a
// restored one (log, index, saved content).
[[nodiscard]] RestoreResult RestoreStartupItem(core::Application& app,
                                               const QuarantineEntry& entry);

// Whether the kind is one of those restored here.
[[nodiscard]] bool IsStartupItemKind(QuarantineKind kind);

}  // namespace removal

#pragma once

// Deleting one registry trace of the removal list, with its log records,
// after its copy is saved in the quarantine.

#include <string_view>

namespace core {
class Application;
}

namespace removal {

enum class TraceOutcome {
    // Deleted, or asked to be deleted, or nothing was there.
    Handled,
    // Its copy could not be saved, so it was left where it is.
    KeptWithoutCopy,
    // A key whose tree could not be wholly deleted: what went was put back
    // from the copy where that could be done (and the copy then discarded);
    // otherwise the copy stays in the quarantine, from which a restore
    // completes the key. Also a value whose deletion was refused: it is
    // still there, and its copy is discarded. A deletion that the registry
    // called done while the entry stayed is one of these too.
    NotDeleted,
};

// The root handle as the row writes it (a signed decimal number), the key
// path and the value name; an empty value name deletes the whole key with
// its values and subkeys. The key path is taken as
// regedit shows it, in the 64-bit view where there are two. Before anything
// is deleted, what goes is saved as a registration file in the quarantine,
// with its index entry; an entry that cannot be saved is not deleted. An
// entry is saved once per removal, whichever pass saves it, and a later pass
// relies on that copy only after checking that it is still there as saved.
TraceOutcome RemoveRegistryTrace(core::Application& app, std::string_view rootText,
                                 std::string_view keyPath, std::string_view valueName);

}  // namespace removal

#pragma once

// Removing one finding of a browser's cookie store: the cookies of one
// domain, saved into the quarantine first, then deleted in one transaction
// and the store replaced in one step. Nothing is ever half-deleted: when any
// step fails the store keeps every row it had.

#include <string_view>

namespace core {
class Application;
}

namespace removal {

enum class StoreRemoval {
    Removed,
    NothingThere,  // no such store, or no cookie of the domain in it
    InUse,         // the browser holds the store: close it and try again
    NotSaved,      // no copy could be kept, so nothing was deleted
    Unworkable,    // the store could not be worked on in time (or at all); unchanged
};

[[nodiscard]] StoreRemoval RemoveStoreCookies(core::Application& app, std::string_view storePath,
                                              std::string_view domain);

}  // namespace removal

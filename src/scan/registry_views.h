#pragma once

// The registry's two views on 64-bit Windows, as the scan and the removal
// meet them. A trace is named by its path as regedit shows it (the 32-bit
// view's keys below WOW6432Node), and such a path is taken literally in the
// 64-bit view; so a row needs nothing but its path to be removed where it
// was found.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace scan {

// The name of the key that holds the 32-bit view's copy of a software key.
inline constexpr std::string_view kWow32KeyName = "WOW6432Node";

// The view in which a path is taken literally: the 64-bit view where there
// are two, the only one otherwise.
[[nodiscard]] platform::RegistryView LiteralView(platform::Registry& registry);

// The path below its root of a key that was asked for as `requested` and
// that the system names `kernelName`: the requested path with the
// WOW6432Node segment that the view's redirection put into it. nullopt when
// the name shows no such segment: the key is the one the path names
// literally (a user's key, a key both views share, or a path that already
// names WOW6432Node). Letter case does not matter; the requested path's
// segments keep theirs.
[[nodiscard]] std::optional<std::string> RedirectedKeyPath(std::string_view requested,
                                                           std::string_view kernelName);

// The paths at which one key of a store is read: the path taken literally
// and, in the machine's store on 64-bit Windows, the path below WOW6432Node
// where the 32-bit view leads when that is elsewhere.
[[nodiscard]] std::vector<std::string> KeyPlaces(platform::Registry& registry,
                                                 platform::RegistryRoot root,
                                                 const std::string& path);

}  // namespace scan

#pragma once

// A command as Windows reads it from a startup place: variables expanded,
// then the program told apart from its arguments the way the system's
// process start does (a quoted path, or else the shortest run of words that
// names an existing file), a bare name found in the system folders.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/environment.h"

namespace startup_items {

// Every %NAME% whose variable is set is replaced by its value; others stay.
[[nodiscard]] std::string ExpandVariables(std::string_view text,
                                          platform::Environment& environment);

struct Command {
    std::string program;
    std::string arguments;
};

// `exists` says whether a file is there; `searchFolders` are looked in, in
// order, for a program named without a folder.
[[nodiscard]] Command SplitCommand(std::string_view command,
                                   const std::function<bool(const std::string&)>& exists,
                                   const std::vector<std::string>& searchFolders);

// The file name of a path, in lower case ("mshta.exe").
[[nodiscard]] std::string LowerFileName(std::string_view path);

}  // namespace startup_items

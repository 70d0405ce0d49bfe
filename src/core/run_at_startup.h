#pragma once

// "Run at Startup": an entry under the machine's Run key that starts the
// program at every logon.

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace core {

class Application;

inline constexpr std::string_view kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The handler of the check box.
void RunAtStartupChanged(Application& app);

// The entry's data: the program file's full path in double quotes, so that a
// path with spaces cannot start another program in its stead.
[[nodiscard]] std::string RunEntryCommand(std::string_view programPath);

// The machine's Run entry of that name, shared by the program and the tool
// that changes it for the administrator. Writes and deletes give the
// platform's status; deleting an entry that is not there succeeds.
[[nodiscard]] std::optional<std::string> ReadRunEntry(platform::Registry& registry,
                                                      std::string_view valueName);
[[nodiscard]] long WriteRunEntry(platform::Registry& registry, std::string_view valueName,
                                 std::string_view programPath);
[[nodiscard]] long DeleteRunEntry(platform::Registry& registry, std::string_view valueName);

}  // namespace core

#pragma once

// "Run at Startup": an entry under the machine's Run key that starts the
// program at every logon.

#include <string>
#include <string_view>

namespace core {

class Application;

inline constexpr std::string_view kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The handler of the check box.
void RunAtStartupChanged(Application& app);

// The entry's data: the program file's full path in double quotes, so that a
// path with spaces cannot start another program in its stead.
[[nodiscard]] std::string RunEntryCommand(std::string_view programPath);

}  // namespace core

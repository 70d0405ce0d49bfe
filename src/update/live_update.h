#pragma once

// Live Update as the user meets it: the buttons, the menu entry and the
// automatic update that start it, the download window that shows it, the
// notice that reports it, and the list of definition addresses.

#include <string>

namespace core {
class Application;
}

namespace update {

// The Live Update command.
void cmdUpdate_Click(core::Application& app);

// One tick of the automatic update: after about five minutes without a
// scan, one update per program start.
void timUpdate_Timer(core::Application& app);

// The server base of the definition addresses: the website, unless the
// build is unbranded.
[[nodiscard]] std::string DefinitionAddressBase(core::Application& app);

// The eight definition addresses, each ended by a line end.
[[nodiscard]] std::string DefinitionAddresses(core::Application& app);

// Attaches the starters of the command and the handlers of its windows.
void AttachLiveUpdate(core::Application& app);

}  // namespace update

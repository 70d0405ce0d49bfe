#pragma once

// The memory shield: the memory scan repeated in the background, with every
// listed program it finds put to the user in the alert window, to be stopped
// or allowed for good.

#include <string_view>

namespace core {
class Application;
}

namespace platform {
class HeldProcess;
}

namespace shields {

// The tick of tmrMemoryInspected; the home page shield runs it too.
void tmrMemoryInspected_Timer(core::Application& app);

// Fills the alert window for a program found running, shows it and waits
// until the user has answered or closed it.
void ShowMemoryAlert(core::Application& app, std::string_view name, std::string_view company,
                     platform::HeldProcess* process);

void AttachMemoryShield(core::Application& app);

}  // namespace shields

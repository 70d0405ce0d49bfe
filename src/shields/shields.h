#pragma once

// The real-time protection: the home page shield and the memory shield, their
// windows and their settings.

namespace core {
class Application;
}

namespace shields {

void AttachShields(core::Application& app);

}  // namespace shields

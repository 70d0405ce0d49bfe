#pragma once

// The handlers of the option controls: each stores its value the moment it
// changes, and some switch a timer or other controls with it.

namespace core {

class Application;

void AttachOptionHandlers(Application& app);

}  // namespace core

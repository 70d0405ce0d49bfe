#pragma once

// The about window, reached from the main window's Help menu.

namespace core {
class Application;
}

namespace shell {

void AttachAboutWindow(core::Application& app);

}  // namespace shell

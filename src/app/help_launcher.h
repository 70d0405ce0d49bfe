#pragma once

// The help file "Help.chm" in the program's folder, opened by the help
// launcher window on a user's first start.

namespace core {
class Application;
}  // namespace core

namespace app {

void AttachHelpLauncher(core::Application& app);

// Start-up: on a user's first start, loads and shows the help launcher once.
void ShowHelpOnFirstUse(core::Application& app);

}  // namespace app

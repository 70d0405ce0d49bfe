#pragma once

// The main window's File menu.

namespace core {
class Application;
}  // namespace core

namespace app {

void AttachFileMenu(core::Application& app);

}  // namespace app

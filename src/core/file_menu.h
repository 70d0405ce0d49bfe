#pragma once

// The main window's File menu.

namespace core {

class Application;

void AttachFileMenu(Application& app);

}  // namespace core

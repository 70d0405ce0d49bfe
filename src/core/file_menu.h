#pragma once

// The main window's File menu.

namespace core {

class Application;

void AttachFileMenu(Application& app);

// Enables the entries whose command is there to run.
void RefreshFileMenu(Application& app);

}  // namespace core

#pragma once

// Taking the program down, by its three paths: the main window's Exit (and
// its close box), the close label "X", and the tray's "Exit Program". They
// differ in what they record.

namespace core {
class Application;
}  // namespace core

namespace app {

// Records that the program stopped and removes the tray icon.
void QueryUnloadStep(core::Application& app);

// Records the window's layout, closes the other windows and ends the program.
void UnloadStep(core::Application& app);

// The tray's "Exit Program": no question asked.
void ExitFromTray(core::Application& app);

// Attaches the main window's unload events, the close label and the tray
// pop-up's "Exit Program".
void AttachShutdown(core::Application& app);

}  // namespace app

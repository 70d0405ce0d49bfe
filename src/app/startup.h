#pragma once

// Bringing the program up: the splash window's countdown and the main
// window's start-up sequence.

namespace core {
class Application;
}  // namespace core

namespace app {

// Attaches the splash window's and the main window's start-up handlers.
void AttachStartup(core::Application& app);

// The main window's start-up sequence.
void MainWindowStartup(core::Application& app);

}  // namespace app

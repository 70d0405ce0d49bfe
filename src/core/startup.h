#pragma once

// Bringing the program up: the splash window's countdown and the main
// window's start-up sequence.

namespace core {

class Application;

// Attaches the splash window's and the main window's start-up handlers.
void AttachStartup(Application& app);

// The main window's start-up sequence.
void MainWindowStartup(Application& app);

}  // namespace core

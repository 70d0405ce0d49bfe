#pragma once

// The program as a whole: every part attached to the application object.

namespace core {
class Application;
}  // namespace core

namespace app {

// Gives the application object the build's key and attaches every part of
// the program to its windows and timers, in the order the program needs
// them. Called once, right after the object is made and before it starts.
void AttachProgram(core::Application& app);

}  // namespace app

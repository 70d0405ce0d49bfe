#pragma once

// The tray pop-up's behaviour: its load and slide, its three commands, and
// the pointer that keeps it up.

namespace core {
class Application;
}

namespace shell {

// A click on the tray icon: loads the pop-up, which slides it in, or shows
// it again where its slide has got to.
void ShowMenuPopUp(core::Application& app);

void AttachMenuPopUp(core::Application& app);

}  // namespace shell

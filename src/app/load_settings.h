#pragma once

// Shows the stored options in the option controls of the main window. The
// controls' handlers run as the values change, so loading also writes the
// values back and switches the timers.

namespace core {
class Application;
}  // namespace core

namespace app {

void LoadSettings(core::Application& app);

// Column widths are stored in twips, the unit of the settings' defaults.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace app

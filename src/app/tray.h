#pragma once

// The main window in the notification area: sending it there, and bringing it
// back from the icon.

namespace core {
class Application;
}  // namespace core

namespace app {

// Minimizes and hides the main window, slides the tray pop-up in and shows
// the tray icon.
void SendToTray(core::Application& app);

// Brings the main window back from the tray in the normal state.
void RestoreFromTray(core::Application& app);

// Attaches "Send to Tray", the File menu's "Minimize to Tray", the tray
// pop-up's command that brings the main window back, and the icon's mouse
// handling: a button pressed on the icon shows the tray pop-up, a
// double-click brings the main window back.
void AttachTray(core::Application& app);

// Mouse messages of the notification-area icon.
inline constexpr int kLeftButtonDown = 513;
inline constexpr int kLeftDoubleClick = 515;
inline constexpr int kRightButtonDown = 516;
inline constexpr int kRightDoubleClick = 518;

}  // namespace app

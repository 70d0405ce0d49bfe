#pragma once

// The background timers of the main window (scheduled scans, home page
// shield, memory shield) follow the settings and the window's state.

namespace core {

class Application;

// With `on` true, starts the scheduler and the two shields according to their
// settings; with `on` false, stops them and the time-out timer.
void ApplyTimerSettings(Application& app, bool on);

// Runs on every resize of the main window: the normal state stops the
// scheduler and the memory shield and shows the program in the task list;
// any other state starts the timers by their settings and hides it there.
void ApplyWindowStateRule(Application& app);

// Attaches the resize handler and the handlers of the scroll and time-out
// timers.
void AttachBackgroundTimers(Application& app);

}  // namespace core

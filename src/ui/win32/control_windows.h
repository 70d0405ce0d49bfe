#pragma once

// The real window behind each kind of model control: creating it, and
// bringing it in step with the control after a change.

#include "platform/win32/handles.h"
#include "ui/control.h"

namespace ui::win32 {

class Theme;

// Creates the window of a control (hidden when the control is not visible),
// laid out and lettered at the theme's DPI. Timers have no window: the result
// is null for them, and for menus, which belong to the window's menu bar.
[[nodiscard]] HWND CreateControlWindow(Control& control, HWND parent, int id, HINSTANCE instance,
                                       const Theme& theme, HIMAGELIST smallIcons);

// Brings the window in step with one change of its control.
void SyncControlWindow(Control& control, HWND window, Change change, int index, int dpi);

// Moves the window to the control's bounds at a DPI.
void PlaceControlWindow(const Control& control, HWND window, int dpi);

// Lays the window out, letters and fills it anew at the theme's DPI, after
// its window moved to a monitor of another DPI.
void RescaleControlWindow(Control& control, HWND window, const Theme& theme, HIMAGELIST smallIcons);

// Reads a user's change of the window into the control, for the kinds whose
// value the user edits in place (text boxes, date pickers).
void ReadUserEdit(Control& control, HWND window);

}  // namespace ui::win32

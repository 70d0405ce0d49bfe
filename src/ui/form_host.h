#pragma once

// What a window of the model asks of whatever shows it on a screen. The Win32
// view implements it with real windows; without a host (in unit tests) the
// model works alone and modal windows return at once.

namespace ui {

class Control;
class Form;
enum class Change;

enum class FormChange {
    Caption,
    Visible,
    WindowState,
    Bounds,
    Position,
    RedrawLock,
    BringToFront,
    Repaint,
    TaskListVisibility,
    Icon,
};

class FormHost {
public:
    virtual ~FormHost() = default;

    // The window was loaded: create its window (still hidden).
    virtual void FormLoaded(Form& form) = 0;
    // The window was unloaded: destroy its window.
    virtual void FormUnloaded(Form& form) = 0;
    virtual void FormChanged(Form& form, FormChange change) = 0;
    virtual void ControlChanged(Control& control, Change change, int index) = 0;
    // Shows the window modally and returns when it has been hidden or
    // unloaded.
    virtual void RunModal(Form& form) = 0;
    // The mouse pointer over the program's windows becomes the hourglass, or
    // the arrow again.
    virtual void BusyPointerChanged(bool busy) = 0;
};

}  // namespace ui

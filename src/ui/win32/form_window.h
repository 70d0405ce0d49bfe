#pragma once

// The real window of one loaded model form, with a child window per control.
// It keeps the windows in step with the model and turns the user's input
// into calls on the model's controls.

#include <map>
#include <vector>

#include "platform/win32/handles.h"
#include "ui/form.h"
#include "ui/win32/menu_bar.h"

namespace ui::win32 {

class Theme;
class View;

class FormWindow {
public:
    FormWindow(View& view, Form& form, HWND owner);
    ~FormWindow();

    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    [[nodiscard]] HWND Handle() const noexcept { return m_window.Get(); }
    [[nodiscard]] Form& Model() const noexcept { return m_form; }

    void ApplyFormChange(FormChange change);
    void ApplyControlChange(Control& control, Change change, int index);
    // Makes the window visible in the form's window state.
    void ShowInState();

    // The model has unloaded the form: from now on the window only waits to
    // be destroyed and no longer acts on the model.
    void Detach();

    // Handles messages of the form window and of its frames.
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Handles messages of the other controls before their own window
    // procedure; sets `handled` when the control must not see the message.
    LRESULT OnControlMessage(Control& control, HWND window, UINT message, WPARAM wParam,
                             LPARAM lParam, bool& handled);

    // True while one of the window's handlers runs.
    [[nodiscard]] bool Busy() const noexcept { return m_busy > 0; }

    // The message that asks the view to destroy the windows of unloaded forms.
    static constexpr UINT kReapMessage = WM_APP + 1;

    static void RegisterClasses(HINSTANCE instance);

private:
    // Counts the handlers of the window that are running, so that the window
    // of an unloaded form is destroyed only when none is.
    class BusyScope {
    public:
        explicit BusyScope(FormWindow& window) noexcept;
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        FormWindow& m_window;
    };

    void CreateControls();
    void SetIcons();
    void SetImageIcon(const Control& control, HWND window);
    void OnDpiChanged(int dpi, const RECT& suggested);
    [[nodiscard]] const Theme& CurrentLook() const;
    void Name(HWND window, const std::string& name);
    [[nodiscard]] Control* ControlOf(HWND window) const;
    [[nodiscard]] Control* ControlById(int id) const;
    [[nodiscard]] Control* DefaultButton(bool cancel) const;

    void OnCommand(WPARAM wParam, LPARAM lParam);
    void ChooseMenuByName(ATOM name);
    void OnNotify(const NMHDR& header);
    LRESULT OnControlColour(HDC dc, HWND child);
    void PaintBackground(HWND window, HDC dc);
    void PaintFrame(HWND window);
    void OnSize(WPARAM wParam, LPARAM lParam);

    View& m_view;
    Form& m_form;
    // The DPI the window is shown at: the model's pixels are scaled by it.
    int m_dpi;
    platform::win32::UniqueWindow m_window;
    MenuBar m_menuBar;
    std::map<HWND, Control*> m_controlsByWindow;
    std::map<int, Control*> m_controlsById;
    std::vector<ATOM> m_atoms;
    // Set while the view applies the model's changes, so that the
    // notifications they cause are not taken for the user's input.
    int m_applying = 0;
    bool m_detached = false;
    bool m_redrawOff = false;
    int m_busy = 0;
};

}  // namespace ui::win32

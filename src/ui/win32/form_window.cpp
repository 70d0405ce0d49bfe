#include "ui/win32/form_window.h"

#include <windowsx.h>

#include "platform/win32/wide_text.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"
#include "ui/win32/control_windows.h"
#include "ui/win32/dpi.h"
#include "ui/win32/list_view_window.h"
#include "ui/win32/view.h"
#include "ui/win32/window_identity.h"

namespace ui::win32 {

namespace {

constexpr int kFirstControlId = 100;
constexpr UINT_PTR kSubclassId = 1;

FormWindow* OwnerOf(HWND window) {
    return reinterpret_cast<FormWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (FormWindow* owner = OwnerOf(window)) {
        return owner->OnMessage(window, message, wParam, lParam);
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &ControlProc, kSubclassId);
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    auto* control = reinterpret_cast<Control*>(data);
    FormWindow* owner = OwnerOf(::GetAncestor(window, GA_ROOT));
    if (owner != nullptr && control != nullptr) {
        bool handled = false;
        const LRESULT result =
            owner->OnControlMessage(*control, window, message, wParam, lParam, handled);
        if (handled) {
            return result;
        }
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

int ShiftState() {
    int shift = 0;
    if (::GetKeyState(VK_SHIFT) < 0) {
        shift |= 1;
    }
    if (::GetKeyState(VK_CONTROL) < 0) {
        shift |= 2;
    }
    if (::GetKeyState(VK_MENU) < 0) {
        shift |= 4;
    }
    return shift;
}

MouseEvent MouseFrom(int button, LPARAM lParam, int dpi) {
    return {button, ShiftState(), ToModel(GET_X_LPARAM(lParam), dpi),
            ToModel(GET_Y_LPARAM(lParam), dpi)};
}

}  // namespace

void FormWindow::RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXA formClass{};
    formClass.cbSize = sizeof(formClass);
    formClass.style = CS_DBLCLKS;
    formClass.lpfnWndProc = &FormProc;
    formClass.hInstance = instance;
    formClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    formClass.lpszClassName = kFormClass;
    ::RegisterClassExA(&formClass);

    WNDCLASSEXA frameClass = formClass;
    frameClass.style = CS_HREDRAW | CS_VREDRAW;
    frameClass.lpszClassName = kFrameClass;
    ::RegisterClassExA(&frameClass);
}

FormWindow::FormWindow(View& view, Form& form, HWND owner)
    : m_view(view), m_form(form), m_dpi(DpiOf(owner)) {
    DWORD style = WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    switch (form.borderStyle) {
        case BorderStyle::Sizable:
            style |= WS_OVERLAPPEDWINDOW;
            break;
        case BorderStyle::Fixed:
            style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
            break;
        case BorderStyle::FixedToolWindow:
            style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
            exStyle |= WS_EX_TOOLWINDOW;
            break;
        case BorderStyle::None:
            style |= WS_POPUP;
            break;
    }
    if (form.ShownInTaskList()) {
        exStyle |= WS_EX_APPWINDOW;
    }
    if (form.topMost) {
        exStyle |= WS_EX_TOPMOST;
    }
    // Made at the DPI of the primary monitor, where the owner is; moved to
    // another monitor, the window takes that one's.
    RECT frame{0, 0, ToScreen(form.Width(), m_dpi), ToScreen(form.Height(), m_dpi)};
    AdjustFrameAt(frame, style, MenuBar::HasMenus(form), exStyle, m_dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{0, 0, 800, 600};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int left = ToScreen(form.Left(), m_dpi);
    int top = ToScreen(form.Top(), m_dpi);
    if (form.centerOnScreen) {
        left = static_cast<int>(work.left) +
               std::max(0, static_cast<int>(work.right - work.left - width) / 2);
        top = static_cast<int>(work.top) +
              std::max(0, static_cast<int>(work.bottom - work.top - height) / 2);
    }

    ++m_applying;
    m_window.Reset(::CreateWindowExA(exStyle, kFormClass, form.Caption().c_str(), style, left, top,
                                     width, height, owner, nullptr, view.Instance(), this));
    Name(m_window.Get(), form.Name());
    m_menuBar.Rebuild(form, m_window.Get());
    const int dpi = DpiOf(m_window.Get());
    if (dpi != m_dpi) {
        m_dpi = dpi;
        ApplyFormChange(FormChange::Bounds);
    }
    SetIcons();
    CreateControls();
    --m_applying;
}

FormWindow::~FormWindow() {
    m_window.Reset();
    for (ATOM atom : m_atoms) {
        ::GlobalDeleteAtom(atom);
    }
}

void FormWindow::Name(HWND window, const std::string& name) {
    const ATOM atom = ::GlobalAddAtomA(name.c_str());
    if (atom == 0) {
        return;
    }
    m_atoms.push_back(atom);
    ::SetPropA(window, kIdentityProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

// The icon resource at the system's large and small sizes for the window's
// DPI, for the window and for the hidden window that owns it (which the task
// switcher shows).
void FormWindow::SetIcons() {
    if (m_form.IconResource().empty()) {
        return;
    }
    HICON large = m_view.Icon(m_form.IconResource(), MetricAt(SM_CXICON, m_dpi));
    HICON small = m_view.Icon(m_form.IconResource(), MetricAt(SM_CXSMICON, m_dpi));
    for (HWND window : {m_window.Get(), ::GetWindow(m_window.Get(), GW_OWNER)}) {
        if (window != nullptr) {
            ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
            ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
        }
    }
}

void FormWindow::CreateControls() {
    int id = kFirstControlId;
    std::vector<HWND> tabStrips;
    for (const auto& owned : m_form.Controls()) {
        Control& control = *owned;
        ++id;
        HWND parent = m_window.Get();
        if (control.Container() != nullptr && control.Container()->viewData != nullptr) {
            parent = static_cast<HWND>(control.Container()->viewData);
        }
        HWND window = CreateControlWindow(control, parent, id, m_view.Instance(), CurrentLook(),
                                          m_view.SmallIcons(m_dpi));
        control.viewData = window;
        if (window == nullptr) {
            continue;
        }
        SetImageIcon(control, window);
        Name(window, control.Identity());
        m_controlsByWindow[window] = &control;
        m_controlsById[id] = &control;
        if (control.Type() == ControlType::Frame) {
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        } else {
            ::SetWindowSubclass(window, &ControlProc, kSubclassId,
                                reinterpret_cast<DWORD_PTR>(&control));
        }
        if (control.Type() == ControlType::TabStrip) {
            tabStrips.push_back(window);
        }
    }
    // The frames that a tab strip shows lie over it.
    for (HWND tabs : tabStrips) {
        ::SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

const Theme& FormWindow::CurrentLook() const {
    return m_view.Look(m_dpi);
}

void FormWindow::SetImageIcon(const Control& control, HWND window) {
    if (control.Type() != ControlType::Image) {
        return;
    }
    const RECT place = ToScreen(control.Position(), m_dpi);
    HICON icon = m_view.Icon(static_cast<const Image&>(control).iconResource,
                             std::min(place.right - place.left, place.bottom - place.top));
    ::SendMessageA(window, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

// Windows suggests where the window goes at the new DPI; everything inside
// it is laid out, lettered and drawn anew at that DPI.
void FormWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    ++m_applying;
    m_dpi = dpi;
    ::SetWindowPos(m_window.Get(), nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    const Theme& theme = CurrentLook();
    HIMAGELIST smallIcons = m_view.SmallIcons(m_dpi);
    for (const auto& owned : m_form.Controls()) {
        if (auto window = static_cast<HWND>(owned->viewData)) {
            RescaleControlWindow(*owned, window, theme, smallIcons);
            SetImageIcon(*owned, window);
        }
    }
    SetIcons();
    --m_applying;
    ::RedrawWindow(m_window.Get(), nullptr, nullptr,
                   RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

FormWindow::BusyScope::BusyScope(FormWindow& window) noexcept : m_window(window) {
    ++m_window.m_busy;
}

FormWindow::BusyScope::~BusyScope() {
    if (--m_window.m_busy == 0 && m_window.m_detached) {
        ::PostMessageA(m_window.m_view.OwnerWindow(), kReapMessage, 0, 0);
    }
}

void FormWindow::Detach() {
    m_detached = true;
    ::ShowWindow(m_window.Get(), SW_HIDE);
    for (const auto& owned : m_form.Controls()) {
        owned->viewData = nullptr;
    }
}

Control* FormWindow::ControlOf(HWND window) const {
    const auto it = m_controlsByWindow.find(window);
    return it == m_controlsByWindow.end() ? nullptr : it->second;
}

Control* FormWindow::ControlById(int id) const {
    const auto it = m_controlsById.find(id);
    return it == m_controlsById.end() ? nullptr : it->second;
}

Control* FormWindow::DefaultButton(bool cancel) const {
    for (Control* control : m_form.ControlsOfType(ControlType::CommandButton)) {
        const auto* button = static_cast<CommandButton*>(control);
        if ((cancel ? button->isCancel : button->isDefault) && control->Enabled() &&
            control->VisibleOnWindow()) {
            return control;
        }
    }
    return nullptr;
}

void FormWindow::ShowInState() {
    ++m_applying;
    switch (m_form.State()) {
        case WindowState::Minimized:
            ::ShowWindow(m_window.Get(), SW_SHOWMINIMIZED);
            break;
        case WindowState::Maximized:
            ::ShowWindow(m_window.Get(), SW_SHOWMAXIMIZED);
            break;
        case WindowState::Normal:
            if (::IsIconic(m_window.Get()) || ::IsZoomed(m_window.Get())) {
                ::ShowWindow(m_window.Get(), SW_RESTORE);
            } else {
                ::ShowWindow(m_window.Get(),
                             m_form.showWithoutActivating ? SW_SHOWNOACTIVATE : SW_SHOW);
            }
            break;
    }
    --m_applying;
}

void FormWindow::ApplyFormChange(FormChange change) {
    HWND window = m_window.Get();
    ++m_applying;
    switch (change) {
        case FormChange::Caption:
            ::SetWindowTextA(window, m_form.Caption().c_str());
            break;
        case FormChange::Visible:
            if (m_form.Visible()) {
                ShowInState();
            } else {
                ::ShowWindow(window, SW_HIDE);
            }
            break;
        case FormChange::WindowState:
            // A hidden window takes its state when it is shown.
            if (::IsWindowVisible(window)) {
                ShowInState();
            }
            break;
        case FormChange::Bounds: {
            RECT frame{0, 0, ToScreen(m_form.Width(), m_dpi), ToScreen(m_form.Height(), m_dpi)};
            AdjustFrameAt(frame, static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_STYLE)),
                          ::GetMenu(window) != nullptr,
                          static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_EXSTYLE)), m_dpi);
            ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left,
                           frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        case FormChange::Position:
            ::SetWindowPos(window, nullptr, ToScreen(m_form.Left(), m_dpi),
                           ToScreen(m_form.Top(), m_dpi), 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case FormChange::RedrawLock:
            // Turning redrawing off also clears the window's visible style, so
            // whether the window is visible cannot tell whether to turn it on.
            if (m_form.RedrawLocked()) {
                if (::IsWindowVisible(window)) {
                    ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
                    m_redrawOff = true;
                }
            } else if (m_redrawOff) {
                m_redrawOff = false;
                // Turning it on again sets the visible style, even for a
                // window that was hidden meanwhile.
                ::SendMessageA(window, WM_SETREDRAW, TRUE, 0);
                if (m_form.Visible()) {
                    ::RedrawWindow(window, nullptr, nullptr,
                                   RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
                } else {
                    ::ShowWindow(window, SW_HIDE);
                }
            }
            break;
        case FormChange::BringToFront:
            ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            ::SetForegroundWindow(window);
            break;
        case FormChange::Repaint:
            ::RedrawWindow(window, nullptr, nullptr,
                           RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            break;
        case FormChange::TaskListVisibility: {
            // The task list notices a changed style only when the window is
            // shown again.
            const bool visible = ::IsWindowVisible(window) != FALSE;
            if (visible) {
                ::ShowWindow(window, SW_HIDE);
            }
            LONG_PTR exStyle = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
            exStyle = m_form.ShownInTaskList() ? exStyle | WS_EX_APPWINDOW
                                               : exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW);
            ::SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle);
            if (visible) {
                ShowInState();
            }
            break;
        }
        case FormChange::Icon:
            SetIcons();
            break;
    }
    --m_applying;
}

void FormWindow::ApplyControlChange(Control& control, Change change, int index) {
    if (control.Type() == ControlType::Menu) {
        m_menuBar.Rebuild(m_form, m_window.Get());
        return;
    }
    auto window = static_cast<HWND>(control.viewData);
    if (window == nullptr) {
        return;
    }
    if (change == Change::Look) {
        ::SendMessageA(window, WM_SETFONT,
                       reinterpret_cast<WPARAM>(CurrentLook().FontFor(control.LookHint())), TRUE);
        ::InvalidateRect(window, nullptr, TRUE);
        return;
    }
    ++m_applying;
    SyncControlWindow(control, window, change, index, m_dpi);
    --m_applying;
}

void FormWindow::ChooseMenuByName(ATOM name) {
    char identity[256] = {};
    const UINT length = ::GlobalGetAtomNameA(name, identity, sizeof(identity));
    for (Control* control : m_form.ControlsOfType(ControlType::Menu)) {
        if (control->Identity() == std::string_view(identity, length)) {
            if (control->Enabled()) {
                control->Click();
            }
            return;
        }
    }
}

LRESULT FormWindow::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const UINT chooseMenu = ::RegisterWindowMessageA(kChooseMenuMessage);
    if (m_detached) {
        if (message == WM_CLOSE) {
            return 0;
        }
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    BusyScope busy(*this);
    const bool isForm = window == m_window.Get();
    if (isForm && message == chooseMenu) {
        ChooseMenuByName(static_cast<ATOM>(wParam));
        return 0;
    }
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND:
            PaintBackground(window, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_PAINT:
            if (!isForm) {
                PaintFrame(window);
                return 0;
            }
            break;
        case DM_GETDEFID:
            if (Control* button = DefaultButton(false)) {
                return MAKELRESULT(::GetDlgCtrlID(static_cast<HWND>(button->viewData)),
                                   DC_HASDEFID);
            }
            return 0;
        case WM_SIZE:
            if (isForm) {
                OnSize(wParam, lParam);
            }
            break;
        case WM_DPICHANGED:
            if (isForm) {
                OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (m_view.BusyPointer()) {
                ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            if (isForm) {
                m_form.MouseMove(MouseFrom(0, lParam, m_dpi));
            }
            break;
        case WM_CLOSE:
            if (isForm) {
                m_form.Unload(UnloadMode::ControlMenu);
                return 0;
            }
            break;
        case WM_QUERYENDSESSION:
            if (isForm) {
                return m_form.Unload(UnloadMode::WindowsSession) ? TRUE : FALSE;
            }
            break;
        default:
            break;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT FormWindow::OnControlMessage(Control& control, HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam, bool& handled) {
    if (m_detached || m_applying > 0) {
        return 0;
    }
    BusyScope busy(*this);
    switch (message) {
        case WM_LBUTTONDOWN:
            control.MouseDown(MouseFrom(1, lParam, m_dpi));
            break;
        case WM_RBUTTONDOWN:
            control.MouseDown(MouseFrom(2, lParam, m_dpi));
            break;
        case WM_LBUTTONUP:
            if (control.Type() == ControlType::CheckBox) {
                // A check box changes its value in the button's own handling
                // of the release; its mouse-up handler sees the new value.
                handled = true;
                const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
                if (!m_detached) {
                    control.MouseUp(MouseFrom(1, lParam, m_dpi));
                }
                return result;
            }
            control.MouseUp(MouseFrom(1, lParam, m_dpi));
            break;
        case WM_RBUTTONUP:
            control.MouseUp(MouseFrom(2, lParam, m_dpi));
            break;
        case WM_MOUSEMOVE:
            control.MouseMove(MouseFrom(0, lParam, m_dpi));
            break;
        case WM_GETDLGCODE:
            // A text box that handles Enter itself gets it instead of the
            // window's default button.
            if (control.Type() == ControlType::TextBox &&
                static_cast<TextBox&>(control).onKeyPress && lParam != 0 &&
                reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
                handled = true;
                return DLGC_WANTALLKEYS;
            }
            break;
        case WM_CHAR:
            if (control.Type() == ControlType::TextBox &&
                static_cast<TextBox&>(control).onKeyPress) {
                static_cast<TextBox&>(control).KeyPress(static_cast<int>(wParam));
                if (wParam == VK_RETURN) {
                    handled = true;  // no beep for Enter in a one-line box
                    return 0;
                }
            }
            break;
        case WM_NOTIFY: {
            // The header of a list view tells its list, not us, that the user
            // resized a column.
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (control.Type() == ControlType::ListView &&
                (header->code == HDN_ENDTRACKA || header->code == HDN_ENDTRACKW ||
                 header->code == HDN_ITEMCHANGEDA || header->code == HDN_ITEMCHANGEDW)) {
                handled = true;
                const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
                ReadColumnWidths(static_cast<ListView&>(control), window, m_dpi);
                return result;
            }
            break;
        }
        default:
            break;
    }
    return 0;
}

void FormWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (lParam == 0) {
        if (code == 0) {
            Menu* menu = m_menuBar.CommandTarget(static_cast<UINT>(id));
            if (menu != nullptr && menu->Enabled()) {
                menu->Click();
            }
        }
        // Enter and Escape from the dialog keys.
        if (id == IDOK || id == IDCANCEL) {
            if (Control* button = DefaultButton(id == IDCANCEL)) {
                button->Click();
            }
        }
        return;
    }
    if (m_applying > 0) {
        return;
    }
    Control* control = ControlById(id);
    if (control == nullptr) {
        return;
    }
    switch (control->Type()) {
        case ControlType::CommandButton:
            if (code == BN_CLICKED) {
                control->Click();
            }
            break;
        case ControlType::CheckBox:
            if (code == BN_CLICKED) {
                static_cast<CheckBox*>(control)->UserToggle();
            }
            break;
        case ControlType::OptionButton:
            if (code == BN_CLICKED) {
                static_cast<OptionButton*>(control)->SetValue(true);
            }
            break;
        case ControlType::Label:
        case ControlType::SkinLabel:
        case ControlType::Image:
            if (code == STN_CLICKED && control->Enabled()) {
                control->Click();
            }
            break;
        case ControlType::TextBox:
            if (code == EN_CHANGE) {
                ReadUserEdit(*control, reinterpret_cast<HWND>(lParam));
            }
            break;
        case ControlType::ComboBox:
            if (code == CBN_EDITCHANGE) {
                ReadUserEdit(*control, reinterpret_cast<HWND>(lParam));
            }
            if (code == CBN_SELCHANGE) {
                const auto index = static_cast<int>(
                    ::SendMessageA(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0));
                static_cast<ComboBox*>(control)->SetListIndex(index);
            }
            break;
        default:
            break;
    }
}

void FormWindow::OnNotify(const NMHDR& header) {
    if (m_applying > 0) {
        return;
    }
    Control* control = ControlOf(header.hwndFrom);
    if (control == nullptr) {
        return;
    }
    switch (control->Type()) {
        case ControlType::ListView: {
            if (header.code != LVN_ITEMCHANGED) {
                break;
            }
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const UINT oldCheck = change.uOldState & LVIS_STATEIMAGEMASK;
            const UINT newCheck = change.uNewState & LVIS_STATEIMAGEMASK;
            if ((change.uChanged & LVIF_STATE) == 0 || oldCheck == newCheck || oldCheck == 0) {
                break;
            }
            auto& list = static_cast<ListView&>(*control);
            const bool checked = newCheck == INDEXTOSTATEIMAGEMASK(2);
            if (change.iItem >= 0 && change.iItem < list.ItemCount() &&
                list.Item(change.iItem).checked != checked) {
                list.UserSetChecked(change.iItem, checked);
            }
            break;
        }
        case ControlType::TabStrip:
            if (header.code == TCN_SELCHANGE) {
                const auto selected =
                    static_cast<int>(::SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0));
                static_cast<TabStrip*>(control)->SetSelectedTab(selected + 1);
            }
            break;
        case ControlType::DateTimePicker:
            if (header.code == DTN_DATETIMECHANGE) {
                ReadUserEdit(*control, header.hwndFrom);
            } else if (header.code == NM_CLICK) {
                control->Click();
            }
            break;
        default:
            break;
    }
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND child) {
    const Control* control = ControlOf(child);
    const Theme& theme = CurrentLook();
    const Look look = control != nullptr ? control->LookHint() : Look::Normal;
    COLORREF background = theme.WindowColour();
    HBRUSH brush = theme.WindowBrush();
    if (look == Look::Banner || look == Look::BannerText) {
        background = theme.BannerColour();
        brush = theme.BannerBrush();
    } else if (control == nullptr || control->Container() != nullptr ||
               control->Type() == ControlType::TextBox) {
        background = theme.PageColour();
        brush = theme.PageBrush();
    }
    ::SetTextColor(dc, theme.TextColourFor(look));
    ::SetBkColor(dc, background);
    return reinterpret_cast<LRESULT>(brush);
}

void FormWindow::PaintBackground(HWND window, HDC dc) {
    RECT client;
    ::GetClientRect(window, &client);
    const Theme& theme = CurrentLook();
    if (window != m_window.Get()) {
        ::FillRect(dc, &client, theme.PageBrush());
        return;
    }
    ::FillRect(dc, &client, theme.WindowBrush());
    if (m_form.bannerHeight > 0) {
        RECT banner = client;
        banner.bottom = std::min<LONG>(client.bottom, ToScreen(m_form.bannerHeight, m_dpi));
        ::FillRect(dc, &banner, theme.BannerBrush());
    }
}

void FormWindow::PaintFrame(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    const Control* control = ControlOf(window);
    if (control != nullptr && !control->Caption().empty()) {
        const auto& frame = static_cast<const Frame&>(*control);
        const Theme& theme = CurrentLook();
        RECT client;
        ::GetClientRect(window, &client);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, theme.TextColourFor(frame.LookHint()));
        const auto scaled = [this](int pixels) {
            return ToScreen(pixels, m_dpi);
        };
        if (frame.border) {
            RECT edge = client;
            edge.top += scaled(8);
            ::DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
            platform::win32::SelectedObject font(dc, theme.FontFor(Look::Heading));
            SIZE extent{};
            const std::wstring caption = platform::win32::WideFromProgramText(frame.Caption());
            ::GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
            RECT label{scaled(8), 0, scaled(16) + extent.cx, extent.cy};
            ::FillRect(dc, &label, theme.PageBrush());
            ::TextOutW(dc, scaled(12), 0, caption.c_str(), static_cast<int>(caption.size()));
        } else if (frame.LookHint() == Look::Title) {
            platform::win32::SelectedObject font(dc, theme.FontFor(Look::Title));
            const std::wstring caption = platform::win32::WideFromProgramText(frame.Caption());
            ::TextOutW(dc, scaled(16), scaled(8), caption.c_str(),
                       static_cast<int>(caption.size()));
            platform::win32::UniqueBrush rule(::CreateSolidBrush(theme.RuleColour()));
            RECT line{scaled(16), scaled(40), client.right - scaled(16),
                      scaled(40) + std::max(1, scaled(1))};
            ::FillRect(dc, &line, rule.Get());
        }
    }
    ::EndPaint(window, &paint);
}

void FormWindow::OnSize(WPARAM wParam, LPARAM lParam) {
    if (m_applying > 0) {
        return;
    }
    const WindowState state = wParam == SIZE_MINIMIZED   ? WindowState::Minimized
                              : wParam == SIZE_MAXIMIZED ? WindowState::Maximized
                                                         : WindowState::Normal;
    m_form.ResizedByUser(state, ToModel(LOWORD(lParam), m_dpi), ToModel(HIWORD(lParam), m_dpi));
}

}  // namespace ui::win32

#include "ui/win32/view.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form_window.h"
#include "ui/win32/window_identity.h"

namespace ui::win32 {

View::View(HINSTANCE instance, const std::vector<std::string>& listIcons)
    : m_instance(instance), m_listIcons(listIcons) {
    FormWindow::RegisterClasses(instance);

    WNDCLASSEXA ownerClass{};
    ownerClass.cbSize = sizeof(ownerClass);
    ownerClass.lpfnWndProc = &View::OwnerProc;
    ownerClass.hInstance = instance;
    ownerClass.lpszClassName = kOwnerClass;
    ::RegisterClassExA(&ownerClass);
    m_owner.Reset(::CreateWindowExA(0, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    instance, nullptr));
    ::SetWindowLongPtrA(m_owner.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

const Theme& View::Look(int dpi) {
    auto& theme = m_themes[dpi];
    if (theme == nullptr) {
        theme = std::make_unique<Theme>(dpi);
    }
    return *theme;
}

HIMAGELIST View::SmallIcons(int dpi) {
    auto& icons = m_smallIcons[dpi];
    if (!icons) {
        const int size = MetricAt(SM_CXSMICON, dpi);
        icons.Reset(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK,
                                       static_cast<int>(m_listIcons.size()), 0));
        for (const std::string& name : m_listIcons) {
            ::ImageList_AddIcon(icons.Get(), Icon(name, size));
        }
    }
    return icons.Get();
}

HICON View::Icon(const std::string& name, int size) {
    auto& icon = m_icons[{name, size}];
    if (!icon) {
        // Not shared: a shared icon keeps the size it was first loaded at.
        icon.Reset(
            static_cast<HICON>(::LoadImageA(m_instance, name.c_str(), IMAGE_ICON, size, size, 0)));
    }
    return icon.Get();
}

View::~View() {
    // The windows stop acting on their forms before they are destroyed.
    for (const auto& window : m_windows) {
        window->Model().viewData = nullptr;
        window->Detach();
    }
    m_unloaded.clear();
    m_windows.clear();
    ::SetWindowLongPtrA(m_owner.Get(), GWLP_USERDATA, 0);
}

FormWindow* View::WindowOf(const Form& form) const {
    return static_cast<FormWindow*>(form.viewData);
}

HWND View::HandleOf(const Form& form) const {
    const FormWindow* window = WindowOf(form);
    return window != nullptr ? window->Handle() : nullptr;
}

bool View::IsFormWindow(HWND window) const {
    return std::any_of(m_windows.begin(), m_windows.end(),
                       [window](const auto& form) { return form->Handle() == window; });
}

void View::FormLoaded(Form& form) {
    auto window = std::make_unique<FormWindow>(*this, form, m_owner.Get());
    form.viewData = window.get();
    m_windows.push_back(std::move(window));
}

void View::FormUnloaded(Form& form) {
    FormWindow* window = WindowOf(form);
    form.viewData = nullptr;
    const auto it =
        std::find_if(m_windows.begin(), m_windows.end(),
                     [window](const auto& candidate) { return candidate.get() == window; });
    if (it == m_windows.end()) {
        return;
    }
    // The unload may come from a handler running inside this very window, so
    // the window is hidden now and destroyed once the queue gets back to us.
    (*it)->Detach();
    m_unloaded.push_back(std::move(*it));
    m_windows.erase(it);
    ::PostMessageA(m_owner.Get(), FormWindow::kReapMessage, 0, 0);
}

void View::FormChanged(Form& form, FormChange change) {
    if (FormWindow* window = WindowOf(form)) {
        window->ApplyFormChange(change);
    }
}

void View::ControlChanged(Control& control, Change change, int index) {
    if (FormWindow* window = WindowOf(control.Owner())) {
        window->ApplyControlChange(control, change, index);
    }
}

void View::RunModal(Form& form) {
    FormWindow* window = WindowOf(form);
    if (window == nullptr) {
        return;
    }
    // The window stays above whichever of ours was active, and the others
    // take no input until it closes.
    HWND active = ::GetActiveWindow();
    HWND owner = IsFormWindow(active) && active != window->Handle() ? active : m_owner.Get();
    ::SetWindowLongPtrA(window->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    std::vector<HWND> disabled;
    for (const auto& other : m_windows) {
        if (other.get() != window && ::IsWindowEnabled(other->Handle())) {
            ::EnableWindow(other->Handle(), FALSE);
            disabled.push_back(other->Handle());
        }
    }
    window->ShowInState();
    ::SetForegroundWindow(window->Handle());

    MSG message;
    while (form.IsLoaded() && form.Visible()) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: leave the quit for the outer loop.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!PreTranslate(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }

    for (HWND other : disabled) {
        if (::IsWindow(other)) {
            ::EnableWindow(other, TRUE);
        }
    }
    if (owner != m_owner.Get() && ::IsWindow(owner)) {
        ::SetActiveWindow(owner);
    }
}

void View::BusyPointerChanged(bool busy) {
    m_busyPointer = busy;
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(busy ? IDC_WAIT : IDC_ARROW)));
}

bool View::PreTranslate(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return false;
    }
    HWND root = ::GetAncestor(message.hwnd, GA_ROOT);
    return root != nullptr && IsFormWindow(root) && ::IsDialogMessageA(root, &message) != FALSE;
}

LRESULT CALLBACK View::OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == FormWindow::kReapMessage) {
        auto* self = reinterpret_cast<View*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self != nullptr) {
            std::erase_if(self->m_unloaded, [](const auto& unloaded) { return !unloaded->Busy(); });
        }
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace ui::win32

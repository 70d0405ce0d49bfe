#include "platform/win32/notify_icon_win32.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

namespace platform::win32 {

namespace {

constexpr char kWindowClass[] = "NotifyIconWindow";
constexpr UINT kCallbackMessage = WM_APP + 10;
constexpr UINT kIconId = 1;
// The tool tip field of the first record version, which every shell reads.
constexpr std::size_t kMaxToolTip = 63;

}  // namespace

NotifyIconWin32::NotifyIconWin32() {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &NotifyIconWin32::WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExA(&windowClass);  // fails harmlessly when already registered
    // Top-level, never shown: message-only windows miss Explorer's broadcast.
    m_window.Reset(::CreateWindowExA(0, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     instance, nullptr));
    ::SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    m_taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
    // Lets an elevated program hear the broadcast of an Explorer that is not.
    ::ChangeWindowMessageFilterEx(m_window.Get(), m_taskbarCreated, MSGFLT_ALLOW, nullptr);

    m_data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_data.hWnd = m_window.Get();
    m_data.uID = kIconId;
    m_data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_data.uCallbackMessage = kCallbackMessage;
}

NotifyIconWin32::~NotifyIconWin32() {
    if (m_added) {
        ::Shell_NotifyIconA(NIM_DELETE, &m_data);
    }
    ::SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, 0);
}

bool NotifyIconWin32::Add(std::string_view iconResource, std::string_view toolTip) {
    const std::string name(iconResource);
    // Shared icons belong to the module and are never destroyed.
    m_data.hIcon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), name.c_str(),
                                                   IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                   ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    SetToolTip(toolTip);
    m_wanted = true;
    if (m_added) {
        return ::Shell_NotifyIconA(NIM_MODIFY, &m_data) != 0;
    }
    // A refused icon is still wanted: Explorer may not be up yet, and adds it
    // when it announces itself.
    m_added = ::Shell_NotifyIconA(NIM_ADD, &m_data) != 0;
    return m_added;
}

bool NotifyIconWin32::Modify(std::string_view toolTip) {
    SetToolTip(toolTip);
    return m_added && ::Shell_NotifyIconA(NIM_MODIFY, &m_data) != 0;
}

bool NotifyIconWin32::Remove() {
    m_wanted = false;
    if (!m_added) {
        return false;
    }
    m_added = false;
    return ::Shell_NotifyIconA(NIM_DELETE, &m_data) != 0;
}

void NotifyIconWin32::SetToolTip(std::string_view toolTip) noexcept {
    const std::size_t length = std::min(toolTip.size(), kMaxToolTip);
    std::memcpy(m_data.szTip, toolTip.data(), length);
    m_data.szTip[length] = '\0';
}

void NotifyIconWin32::OnTaskbarCreated() {
    if (!m_wanted) {
        return;
    }
    // A new Explorer knows no icons; the broadcast also comes on other
    // occasions, when the icon may still be there.
    m_added =
        ::Shell_NotifyIconA(NIM_ADD, &m_data) != 0 || ::Shell_NotifyIconA(NIM_MODIFY, &m_data) != 0;
}

LRESULT CALLBACK NotifyIconWin32::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto* self = reinterpret_cast<NotifyIconWin32*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self != nullptr) {
        if (message == kCallbackMessage) {
            // The handler may replace itself, so it runs on a copy.
            const std::function<void(int)> onMouse = self->onMouseMessage;
            if (onMouse) {
                onMouse(static_cast<int>(LOWORD(lParam)));
            }
            return 0;
        }
        if (message == self->m_taskbarCreated && message != 0) {
            self->OnTaskbarCreated();
            return 0;
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace platform::win32

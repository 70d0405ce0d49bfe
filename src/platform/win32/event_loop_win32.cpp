#include "platform/win32/event_loop_win32.h"

namespace platform::win32 {

namespace {

constexpr char kWindowClass[] = "EventLoopTimerWindow";

}  // namespace

EventLoopWin32::EventLoopWin32() {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &EventLoopWin32::WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassExA(&windowClass);  // fails harmlessly when already registered
    m_window.Reset(::CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr));
    ::SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

EventLoopWin32::~EventLoopWin32() {
    for (const auto& [id, onTick] : m_timers) {
        ::KillTimer(m_window.Get(), id);
    }
    ::SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, 0);
}

EventLoopWin32::TimerId EventLoopWin32::StartTimer(std::chrono::milliseconds interval,
                                                   std::function<void()> onTick) {
    const UINT_PTR id = m_nextId++;
    const auto elapse = static_cast<UINT>(interval.count() > 0 ? interval.count() : 1);
    if (::SetTimer(m_window.Get(), id, elapse, nullptr) == 0) {
        return id;  // an id that never ticks; stopping it is harmless
    }
    m_timers[id] = std::move(onTick);
    return id;
}

void EventLoopWin32::StopTimer(TimerId id) {
    const auto it = m_timers.find(static_cast<UINT_PTR>(id));
    if (it == m_timers.end()) {
        return;
    }
    ::KillTimer(m_window.Get(), it->first);
    m_timers.erase(it);
}

void EventLoopWin32::YieldToMessageLoop() {
    // Long work yields after every item, thousands of times a second. Asking
    // for the queue's state is a call into the window system, so it is asked
    // once per time slice: input still answers within a slice.
    const ULONGLONG now = ::GetTickCount64();
    if (now - m_lastYield < kYieldSlice) {
        return;
    }
    m_lastYield = now;
    if (::GetQueueStatus(QS_ALLINPUT) == 0) {
        return;
    }
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit for the outer loop, which ends the program.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void EventLoopWin32::WaitForMessages() {
    // The time-out lets the waiting loop look at its own condition again.
    constexpr DWORD kLongestSleepMs = 100;
    ::MsgWaitForMultipleObjectsEx(0, nullptr, kLongestSleepMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    m_lastYield = 0;
    YieldToMessageLoop();
}

void EventLoopWin32::Quit(int exitCode) {
    ::PostQuitMessage(exitCode);
}

int EventLoopWin32::Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

void EventLoopWin32::Dispatch(MSG& message) {
    if (preTranslate && preTranslate(message)) {
        return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

void EventLoopWin32::OnTimer(UINT_PTR id) {
    const auto it = m_timers.find(id);
    if (it == m_timers.end()) {
        return;
    }
    // The handler may stop its own timer, so it runs on a copy.
    const std::function<void()> onTick = it->second;
    onTick();
}

LRESULT CALLBACK EventLoopWin32::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_TIMER) {
        auto* self = reinterpret_cast<EventLoopWin32*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self != nullptr) {
            self->OnTimer(static_cast<UINT_PTR>(wParam));
        }
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace platform::win32

#pragma once

// The event loop on the thread's Win32 message queue: timers are SetTimer
// timers of a message-only window, the yield pumps the pending messages, and
// Run is the program's message loop.

#include <functional>
#include <map>

#include "platform/event_loop.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

class EventLoopWin32 : public platform::EventLoop {
public:
    EventLoopWin32();
    ~EventLoopWin32() override;

    TimerId StartTimer(std::chrono::milliseconds interval, std::function<void()> onTick) override;
    void StopTimer(TimerId id) override;
    void YieldToMessageLoop() override;
    void WaitForMessages() override;
    void Quit(int exitCode) override;

    // Runs the message loop until Quit; returns the exit code.
    int Run();

    // Offered every message before it is dispatched; returns true when it
    // handled the message (dialog keys of the current window, say).
    std::function<bool(MSG&)> preTranslate;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG& message);
    void OnTimer(UINT_PTR id);

    UniqueWindow m_window;
    std::map<UINT_PTR, std::function<void()>> m_timers;
    UINT_PTR m_nextId = 1;
    // When the yield last looked at the queue, in milliseconds of uptime.
    static constexpr ULONGLONG kYieldSlice = 10;
    ULONGLONG m_lastYield = 0;
};

}  // namespace platform::win32

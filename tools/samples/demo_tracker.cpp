// A harmless stand-in for a program that a scan must find running: it has no
// window, does nothing and waits until it is stopped.

#include <windows.h>

#include "demo_tracker.h"
#include "platform/win32/handles.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const platform::win32::UniqueHandle mutex(
        ::CreateMutexA(nullptr, FALSE, samples::kDemoTrackerMutex));
    if (!mutex || ::GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }
    ::Sleep(INFINITE);
    return 0;
}

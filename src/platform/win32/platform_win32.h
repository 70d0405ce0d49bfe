#pragma once

// The real port set: one Win32 adapter per port, built once by the
// composition root and handed out as a platform::Platform.

#include <memory>

#include "platform/platform.h"

namespace platform::win32 {

class EventLoopWin32;

class Win32Platform {
public:
    Win32Platform();
    ~Win32Platform();

    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    [[nodiscard]] platform::Platform& Ports() noexcept { return *m_ports; }
    // Sets the process's COM security as System Restore needs it; call once
    // the thread is in its apartment and before anything else uses COM, which
    // would fix the registry's defaults for the process instead.
    void SetComSecurity();
    // The event loop also runs the program's message loop.
    [[nodiscard]] EventLoopWin32& Loop() noexcept;

private:
    struct Adapters;
    std::unique_ptr<Adapters> m_adapters;
    std::unique_ptr<platform::Platform> m_ports;
};

}  // namespace platform::win32

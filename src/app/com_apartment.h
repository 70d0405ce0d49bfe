#pragma once

// The UI thread's COM apartment, entered for the program's lifetime: the
// shell's folder and execute functions and the common dialogs rely on it.
// The adapters that use COM on this thread (the management query, System
// Restore) join this same apartment, and the process's COM security is set
// once right after it is entered, before any of them runs.

#include <objbase.h>

namespace app {

class ComApartment {
public:
    ComApartment() noexcept
        : m_entered(SUCCEEDED(
              ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (m_entered) {
            ::CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_entered;
};

}  // namespace app

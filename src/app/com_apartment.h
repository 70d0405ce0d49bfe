#pragma once

// The UI thread's COM apartment, entered for the program's lifetime: the
// shell's folder and execute functions and the common dialogs rely on it.

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

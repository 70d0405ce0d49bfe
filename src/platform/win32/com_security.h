#pragma once

// The process's COM security, set once as System Restore needs it on Vista
// and later: the restore service (running as SYSTEM, LocalService or
// NetworkService) calls back into the program, and COM lets it only when the
// process allows those callers. COM takes these settings once per process,
// before the first call that would fix them from the registry's defaults,
// so the composition root sets them right after joining the apartment.

#include <windows.h>

#include <functional>
#include <optional>

namespace platform::win32 {

enum class ComSecurityState {
    NotNeeded,  // a system before Vista, where System Restore asks for none
    SetHere,    // this object set it
    SetBefore,  // fixed already (RPC_E_TOO_LATE): the process goes on with it
    Failed,     // refused; restore points may then fail, nothing else does
};

class ComSecurity {
public:
    // What hands the settings to COM; CoInitializeSecurity itself but in the
    // tests, which watch the calls.
    using Initializer =
        std::function<HRESULT(PSECURITY_DESCRIPTOR access, DWORD authenticationLevel,
                              DWORD impersonationLevel, DWORD capabilities)>;

    // CoInitializeSecurity, on Vista and later only.
    ComSecurity();
    // The given initializer, on every system.
    explicit ComSecurity(Initializer initializer);

    ComSecurity(const ComSecurity&) = delete;
    ComSecurity& operator=(const ComSecurity&) = delete;

    // Sets the settings on the first call from a thread inside an apartment
    // and answers every later call with that first outcome, without asking
    // COM again.
    ComSecurityState Ensure();

private:
    Initializer m_initialize;
    std::optional<ComSecurityState> m_state;
};

}  // namespace platform::win32

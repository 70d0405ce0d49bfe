#pragma once

// The System Restore port on srclient.dll, loaded from the system folder when
// a call is made: where the library or its function is missing (systems
// without System Restore), every call fails. Each call first makes sure the
// process's COM security lets the restore service call back.

#include "platform/system_restore.h"
#include "platform/win32/com_security.h"

namespace platform::win32 {

class SystemRestoreWin32 : public platform::SystemRestore {
public:
    // The security is shared with the composition root, which sets it at
    // start-up before any other COM use can fix it.
    explicit SystemRestoreWin32(ComSecurity& security) noexcept : m_security(security) {}

    [[nodiscard]] std::optional<std::int64_t> SetRestorePoint(
        int eventType, int restorePointType, std::int64_t sequenceNumber,
        std::string_view description) override;

    // On Vista and later: whether the process runs elevated. Before Vista the
    // token cannot tell, and the answer is true.
    [[nodiscard]] bool UserMayCreatePoints() override;

private:
    ComSecurity& m_security;
};

}  // namespace platform::win32

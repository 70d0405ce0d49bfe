#pragma once

// The System Restore port on srclient.dll, loaded from the system folder when
// a call is made: where the library or its function is missing (systems
// without System Restore), every call fails.

#include "platform/system_restore.h"

namespace platform::win32 {

class SystemRestoreWin32 : public platform::SystemRestore {
public:
    [[nodiscard]] std::optional<std::int64_t> SetRestorePoint(
        int eventType, int restorePointType, std::int64_t sequenceNumber,
        std::string_view description) override;
};

}  // namespace platform::win32

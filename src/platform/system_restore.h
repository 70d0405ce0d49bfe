#pragma once

// System Restore: marking the start and end of a change to the system so
// that the user can roll it back. Systems without System Restore answer
// every call with a failure.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

namespace restore_event {
inline constexpr int kBeginSystemChange = 100;
inline constexpr int kEndSystemChange = 101;
}  // namespace restore_event

class SystemRestore {
public:
    virtual ~SystemRestore() = default;

    // One restore-point call: the event type, the restore point type, the
    // sequence number of the point being ended (0 when beginning one) and
    // the description. The point's sequence number on success; nullopt when
    // the call failed or the system has no System Restore.
    [[nodiscard]] virtual std::optional<std::int64_t> SetRestorePoint(
        int eventType, int restorePointType, std::int64_t sequenceNumber,
        std::string_view description) = 0;

    // False when this user may not make restore points (on Vista and later
    // only an elevated administrator may); true where the system cannot tell,
    // as on Windows XP, where the call itself decides.
    [[nodiscard]] virtual bool UserMayCreatePoints() = 0;
};

}  // namespace platform

#include "platform/win32/system_restore_win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace platform::win32 {
namespace {

constexpr int kApplicationInstall = 0;
constexpr int kCancelledOperation = 13;

// Wine's srclient.dll refuses every call; a system with System Restore makes
// the point, which the test cancels again at once.
TEST(SystemRestoreWin32, PointIsBegunAndEndedOrRefusedAsAWhole) {
    SystemRestoreWin32 systemRestore;
    // Longer than the system's field, which must cut it rather than overrun.
    const std::string description(200, 'd');
    const std::optional<std::int64_t> begun = systemRestore.SetRestorePoint(
        restore_event::kBeginSystemChange, kApplicationInstall, 0, description);
    if (!begun.has_value()) {
        EXPECT_EQ(systemRestore.SetRestorePoint(restore_event::kEndSystemChange,
                                                kCancelledOperation, 0, "Removal"),
                  std::nullopt);
        return;
    }
    EXPECT_NE(*begun, 0);
    EXPECT_EQ(systemRestore.SetRestorePoint(restore_event::kEndSystemChange, kCancelledOperation,
                                            *begun, description),
              begun);
}

}  // namespace
}  // namespace platform::win32

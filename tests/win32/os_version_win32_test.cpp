#include "platform/win32/os_version_win32.h"

#include <gtest/gtest.h>

namespace platform::win32 {
namespace {

TEST(OsVersionWin32, ReportsAnNtFamilyVersion) {
    OsVersionWin32 osVersion;
    const OsVersionInfo info = osVersion.Read();
    EXPECT_EQ(info.platformId, kPlatformWin32Nt);
    EXPECT_GE(info.majorVersion, 5u);
    EXPECT_GT(info.buildNumber, 0u);
}

}  // namespace
}  // namespace platform::win32

#include "platform/win32/clock_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

namespace platform::win32 {
namespace {

TEST(ClockWin32, DayOfWeekAgreesWithTheDate) {
    ClockWin32 clock;
    const DateTime now = clock.Now();
    const std::chrono::year_month_day date{std::chrono::year{now.year},
                                           std::chrono::month{static_cast<unsigned>(now.month)},
                                           std::chrono::day{static_cast<unsigned>(now.day)}};
    ASSERT_TRUE(date.ok());
    EXPECT_EQ(now.dayOfWeek,
              static_cast<int>(std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding()));
}

TEST(ClockWin32, TickCountAdvancesWithTime) {
    ClockWin32 clock;
    const std::uint64_t before = clock.TickCount();
    ::Sleep(200);
    // Wine advances the count in steps of about 16 ms.
    const std::uint64_t elapsed = clock.TickCount() - before;
    EXPECT_GE(elapsed, 150u);
    EXPECT_LT(elapsed, 5000u);
}

}  // namespace
}  // namespace platform::win32

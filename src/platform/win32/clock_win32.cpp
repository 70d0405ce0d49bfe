#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace platform::win32 {

DateTime ClockWin32::Now() {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    DateTime now;
    now.year = local.wYear;
    now.month = local.wMonth;
    now.day = local.wDay;
    now.hour = local.wHour;
    now.minute = local.wMinute;
    now.second = local.wSecond;
    now.dayOfWeek = local.wDayOfWeek;
    return now;
}

std::uint64_t ClockWin32::TickCount() {
    return ::GetTickCount64();
}

}  // namespace platform::win32

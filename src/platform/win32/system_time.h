#pragma once

// The platform's date and time record and the program's, both ways.

#include <windows.h>

#include "platform/clock.h"

namespace platform::win32 {

inline SYSTEMTIME ToSystemTime(const DateTime& value) {
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(value.year);
    time.wMonth = static_cast<WORD>(value.month);
    time.wDay = static_cast<WORD>(value.day);
    time.wDayOfWeek = static_cast<WORD>(value.dayOfWeek);
    time.wHour = static_cast<WORD>(value.hour);
    time.wMinute = static_cast<WORD>(value.minute);
    time.wSecond = static_cast<WORD>(value.second);
    return time;
}

inline DateTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear,   time.wMonth,  time.wDay,      time.wHour,
            time.wMinute, time.wSecond, time.wDayOfWeek};
}

}  // namespace platform::win32

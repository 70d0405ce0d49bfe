#pragma once

// The choices of cmbDays by index, which is what "Day" stores: 0 Monday to
// 6 Sunday, then these.

namespace scheduler {

inline constexpr int kSunday = 6;
inline constexpr int kDaily = 7;
inline constexpr int kDateAndTime = 8;
inline constexpr int kNever = 9;

}  // namespace scheduler

#pragma once

// The stored schedule of automatic scans, shown in the schedule controls.

namespace core {
class Application;
}

namespace scheduler {

// The index of "Daily" among the choices of cmbDays.
inline constexpr int kDaily = 7;

// Shows the stored choice in the schedule controls.
void LoadSchedule(core::Application& app);

}  // namespace scheduler

#pragma once

// The schedule of automatic scans: stored from the schedule controls, and
// shown in them again.

namespace core {
class Application;
}

namespace scheduler {

// Stores the controls' choice. False when "Date & Time" lacks its date or
// time: the user is told so and nothing is stored.
[[nodiscard]] bool SaveSchedule(core::Application& app);

// Shows the stored choice in the schedule controls. The check box is left
// alone: it follows the stored "chkAutomaticScanYesOrNo" only.
void LoadSchedule(core::Application& app);

}  // namespace scheduler

#pragma once

// A System Restore point around the removal, where the platform has System
// Restore; without it the removal runs without one.

#include <string_view>

namespace core {
class Application;
}

namespace removal {

// The restore point type of a removal: an application that deletes.
inline constexpr int kRestorePointTypeRemoval = 6;

// The error of beginning a second point while one is open.
inline constexpr int kPreviousPointOpenError = 100001;
inline constexpr std::string_view kPreviousPointOpenText =
    "You must End the previous restore point first.";

// True on the systems that have System Restore: Windows Me, XP and later.
[[nodiscard]] bool RestorePointsAvailable(core::Application& app);

enum class BeginResult { Begun, Failed, PreviousPointOpen };

// Begins a point with the description; a point that is still open must be
// ended first, and nothing is done then.
BeginResult BeginRestorePoint(core::Application& app, std::string_view description,
                              int restorePointType);

// Ends the open point; true when the system accepted the end.
bool EndRestorePoint(core::Application& app);

}  // namespace removal

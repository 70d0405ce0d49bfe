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

// True on the systems that have System Restore (Windows Me, XP and later)
// when this user may make restore points there: on Vista and later a
// standard user may not, and is then promised none.
[[nodiscard]] bool RestorePointsAvailable(core::Application& app);

enum class BeginResult { Begun, Failed, PreviousPointOpen };

struct BeginOutcome {
    BeginResult result = BeginResult::Failed;
    // The application error raised: kPreviousPointOpenError with its text
    // when a point was still open; 0 and empty otherwise.
    int error = 0;
    std::string_view errorText;
};

// Begins a point with the description; a point that is still open must be
// ended first, and nothing is done then but raising the error.
BeginOutcome BeginRestorePoint(core::Application& app, std::string_view description,
                               int restorePointType);

// Ends the open point; true when the system accepted the end.
bool EndRestorePoint(core::Application& app);

}  // namespace removal

#include "removal/restore_point.h"

#include <optional>

#include "core/application.h"

namespace removal {

bool RestorePointsAvailable(core::Application& app) {
    const platform::OsVersionInfo version = app.ports.osVersion.Read();
    bool systemHasRestore = false;
    if (version.platformId == platform::kPlatformWin32Windows) {
        systemHasRestore = version.minorVersion == 90;
    } else if (version.platformId == platform::kPlatformWin32Nt) {
        systemHasRestore =
            version.majorVersion > 5 || (version.majorVersion == 5 && version.minorVersion == 1);
    }
    return systemHasRestore && app.ports.systemRestore.UserMayCreatePoints();
}

BeginOutcome BeginRestorePoint(core::Application& app, std::string_view description,
                               int restorePointType) {
    if (app.removal.RestorePointSequence != 0) {
        return {BeginResult::PreviousPointOpen, kPreviousPointOpenError, kPreviousPointOpenText};
    }
    const std::optional<std::int64_t> sequence = app.ports.systemRestore.SetRestorePoint(
        platform::restore_event::kBeginSystemChange, restorePointType, 0, description);
    if (!sequence) {
        return {BeginResult::Failed, 0, {}};
    }
    app.removal.RestorePointSequence = *sequence;
    return {BeginResult::Begun, 0, {}};
}

bool EndRestorePoint(core::Application& app) {
    const std::optional<std::int64_t> ended = app.ports.systemRestore.SetRestorePoint(
        platform::restore_event::kEndSystemChange, 0, app.removal.RestorePointSequence, "");
    app.removal.RestorePointSequence = 0;
    return ended.has_value();
}

}  // namespace removal

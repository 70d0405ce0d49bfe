#include "removal/quarantine_log.h"

#include "core/application.h"
#include "core/date_time_text.h"

namespace removal {

namespace {

// Two lines and the two empty lines that end every record.
void AppendRecord(core::Application& app, std::string_view line1, std::string_view line2) {
    const std::string time = core::UserDateText(app.ports.localeFormats, app.ports.clock.Now());
    std::string record = time;
    record.append(line1).append("\r\n").append(line2).append("\r\n\r\n\r\n");
    // A log that cannot be written is skipped; the removal goes on.
    [[maybe_unused]] const bool written =
        app.ports.fileSystem.AppendToFile(QuarantineLogPath(app.DataFolder), record);
}

}  // namespace

std::string QuarantineFolder(std::string_view dataFolder) {
    return std::string(dataFolder) + "\\quarantine";
}

std::string QuarantineLogPath(std::string_view dataFolder) {
    return QuarantineFolder(dataFolder) + "\\" + std::string(kQuarantineLogName);
}

void CreateQuarantineFolder(platform::FileSystem& fs, std::string_view dataFolder) {
    [[maybe_unused]] const bool made = fs.MakeDirectory(QuarantineFolder(dataFolder));
}

void LogQuarantinedFile(core::Application& app, std::string_view path,
                        std::string_view storedName) {
    AppendRecord(app, " - File: " + std::string(storedName), " - Location: " + std::string(path));
}

void LogSavedCookieRows(core::Application& app, std::string_view storeLocation,
                        std::string_view storedName) {
    AppendRecord(app, std::string(kCookieRowsMarker) + std::string(storedName),
                 " - Location: " + std::string(storeLocation));
}

void LogRegistryRemoval(core::Application& app, std::string_view keyText,
                        std::string_view valueText) {
    // The second pass asks for the same deletions again; they are logged once.
    if (!app.removal.QuarantineLogging) {
        return;
    }
    AppendRecord(app, " - Key: " + std::string(keyText), "Value: " + std::string(valueText));
}

void LogDeletionFailed(core::Application& app, std::string_view location,
                       std::string_view storedName) {
    AppendRecord(app, std::string(kDeleteFailedMarker) + std::string(location),
                 std::string(kDeleteFailedCopyMarker) + std::string(storedName));
}

void LogRestore(core::Application& app, std::string_view storedName, std::string_view placedAt) {
    // Not the file record's words: a restored copy is no longer there to list.
    AppendRecord(app, " - Restored: " + std::string(storedName), " - To: " + std::string(placedAt));
}

void ViewQuarantine(core::Application& app) {
    CreateQuarantineFolder(app.ports.fileSystem, app.DataFolder);
    // Quoted: the data folder lies below the user's profile, whose name may
    // hold spaces.
    [[maybe_unused]] const bool started = app.ports.shell.StartCommandLine(
        "explorer \"" + QuarantineFolder(app.DataFolder) + "\"", platform::WindowShow::Normal);
}

}  // namespace removal

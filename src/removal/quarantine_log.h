#pragma once

// The quarantine folder and its log: where copies of removed items are kept,
// and a record of each copy and each deleted registry entry, so that the user
// can put things back by hand.

#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace platform {
class FileSystem;
}

namespace removal {

// The log's file name.
inline constexpr std::string_view kQuarantineLogName = "QuarantineLog.txt";
// What follows the time in the first line of a record of a browser store's
// saved rows.
inline constexpr std::string_view kCookieRowsMarker = " - Cookies: ";

// `DataFolder` + "\quarantine".
[[nodiscard]] std::string QuarantineFolder(std::string_view dataFolder);
// The log file inside it.
[[nodiscard]] std::string QuarantineLogPath(std::string_view dataFolder);

// Creates the folder; an existing one is fine.
void CreateQuarantineFolder(platform::FileSystem& fs, std::string_view dataFolder);

// A file record: the name its copy has in the quarantine, and where it came
// from.
void LogQuarantinedFile(core::Application& app, std::string_view path, std::string_view storedName);

// A record of a browser store's rows saved and deleted: the name of their
// copy (a small database of the store's own table), and the store with the
// cookies' domain, "...\Cookies (tracker.com)". Not a file record: the copy
// is no file of that place.
void LogSavedCookieRows(core::Application& app, std::string_view storeLocation,
                        std::string_view storedName);

// A registry record: the key and the value deleted. Written only while
// quarantine logging is on.
void LogRegistryRemoval(core::Application& app, std::string_view keyText,
                        std::string_view valueText);

// What follows the time in the first line of a record of a deletion that
// failed, and the start of its second line.
inline constexpr std::string_view kDeleteFailedMarker = " - Delete failed: ";
inline constexpr std::string_view kDeleteFailedCopyMarker = " - Copy: ";

// A record that the item at `location` (a path, or a registry key with its
// value) is still in its place after the removal: whatever an earlier
// record of it says, it was not removed. `storedName` is the copy that the
// quarantine still keeps of it, "" for none. Written whenever it happens.
void LogDeletionFailed(core::Application& app, std::string_view location,
                       std::string_view storedName);

// A restore record: the name the item had in the quarantine, and where it
// stands again. Written for every restore, so that the log still tells
// where each of its copies went.
void LogRestore(core::Application& app, std::string_view storedName, std::string_view placedAt);

// The Quarantine menu's "View Quarantine": the folder in Explorer.
void ViewQuarantine(core::Application& app);

}  // namespace removal

#pragma once

// Copy-then-delete of one found item: the copy goes into the quarantine (with
// a log record for files), and only an item whose copy is complete is deleted.
// What cannot be copied or deleted stays where it is; the removal's second
// pass finds it there and lists it for the user.

#include <string_view>

namespace core {
class Application;
}

namespace removal {

// The numeric answers of the operations, as the removal reads them.
namespace quarantine_result {
inline constexpr int kNotAPath = 0;          // no folder part, or nothing done
inline constexpr int kDone = -1;             // nothing there, or handled
inline constexpr int kDeleted = 1;           // a library deleted once
inline constexpr int kProcessStillRuns = 2;  // an executable whose process did not end
}  // namespace quarantine_result

// An executable: stops the processes started from this very file, then
// quarantines it. Left alone when a process of it keeps running.
int QuarantineExecutable(core::Application& app, std::string_view path);

// Backs the file up and deletes it, in up to eight attempts; true when the
// file existed at the start.
bool QuarantineFile(core::Application& app, std::string_view path);

// A library: unregistered, backed up and deleted once; the record is written
// only when the delete succeeded.
int QuarantineLibrary(core::Application& app, std::string_view path);

// Any other file, or a folder with everything in it.
bool QuarantineItem(core::Application& app, std::string_view path);

// A cookie file: backed up with a record, then deleted once.
void QuarantineCookie(core::Application& app, std::string_view path);

// Runs the library's unregistration in the system's registration tool, in a
// process of its own, so that a threat's code never runs inside this program;
// waits a limited time and goes on whatever the tool does. A library is
// unregistered once per removal.
void UnregisterLibrary(core::Application& app, std::string_view path);

}  // namespace removal

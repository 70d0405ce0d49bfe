#include "removal/quarantine_operations.h"

#include <chrono>
#include <optional>
#include <string>

#include "base/text.h"
#include "core/application.h"
#include "core/file_predicates.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_backup.h"
#include "scan/process_control.h"

namespace removal {

namespace {

// Attempts for a file that another program may still be letting go of.
constexpr int kDeleteAttempts = 8;
// Long enough for the registration tool on a slow machine; a library whose
// code hangs in it does not hold the removal up for longer.
constexpr std::chrono::milliseconds kUnregisterTimeLimit{15000};

bool HasFolderPart(std::string_view path) {
    return path.find('\\') != std::string_view::npos;
}

void Yield(core::Application& app) {
    app.ports.eventLoop.YieldToMessageLoop();
}

// Deletes the file until it is gone, at most `attempts` times.
void DeleteFile(core::Application& app, std::string_view path, int attempts) {
    for (int attempt = 1; attempt <= attempts && core::FileExists(app.ports.fileSystem, path);
         ++attempt) {
        [[maybe_unused]] const bool removed = app.ports.fileSystem.RemoveFile(path);
        Yield(app);
    }
}

}  // namespace

int QuarantineExecutable(core::Application& app, std::string_view path) {
    if (!HasFolderPart(path)) {
        return quarantine_result::kNotAPath;
    }
    if (!core::FileExists(app.ports.fileSystem, path)) {
        return quarantine_result::kDone;
    }
    // Before any process is stopped: a program reached through a link is
    // left wholly alone.
    if (RunsThroughLink(app.ports.fileSystem, path)) {
        return quarantine_result::kNotAPath;
    }
    // Only the programs started from this file: another program that only
    // shares its name is none of the removal's business.
    if (!scan::StopProcessesOfFile(app.ports.processes, path)) {
        return quarantine_result::kProcessStillRuns;
    }
    return QuarantineFile(app, path) ? quarantine_result::kDone : quarantine_result::kNotAPath;
}

bool QuarantineFile(core::Application& app, std::string_view path) {
    platform::FileSystem& fs = app.ports.fileSystem;
    if (!core::FileExists(fs, path)) {
        return false;
    }
    if (RunsThroughLink(fs, path)) {
        return true;
    }
    for (int attempt = 1; attempt <= kDeleteAttempts; ++attempt) {
        if (core::FileExists(fs, path) && BackUpItem(app, path, false)) {
            RecordBackup(app, path);
            [[maybe_unused]] const bool removed = fs.RemoveFile(path);
        }
        Yield(app);
    }
    return true;
}

int QuarantineLibrary(core::Application& app, std::string_view path) {
    platform::FileSystem& fs = app.ports.fileSystem;
    if (!HasFolderPart(path)) {
        return quarantine_result::kNotAPath;
    }
    if (!core::FileExists(fs, path)) {
        return quarantine_result::kDone;
    }
    if (RunsThroughLink(fs, path)) {
        return quarantine_result::kNotAPath;
    }
    UnregisterLibrary(app, path);
    if (!BackUpItem(app, path, false) || !fs.RemoveFile(path)) {
        return quarantine_result::kNotAPath;
    }
    RecordBackup(app, path);
    return quarantine_result::kDeleted;
}

bool QuarantineItem(core::Application& app, std::string_view path) {
    platform::FileSystem& fs = app.ports.fileSystem;
    if (!HasFolderPart(path)) {
        return false;
    }
    const bool file = core::FileExists(fs, path);
    if (!file && !core::DirectoryExists(fs, path)) {
        return false;
    }
    if (RunsThroughLink(fs, path)) {
        return true;
    }
    if (!file) {
        const std::optional<platform::PathAttributes> self = fs.Attributes(path);
        if (self && self->reparsePoint) {
            // A link: it goes, what it points at stays, and there is nothing
            // of the threat's own to keep.
            [[maybe_unused]] const bool unlinked = fs.RemoveFolder(path);
            return true;
        }
        const std::optional<std::string> storedName = BackUpItem(app, path, true);
        if (!storedName) {
            return true;
        }
        // Like every copy, a folder's says where it came from.
        RecordBackup(app, path);
        DeleteFolderTree(fs, path);
        return true;
    }
    if (!BackUpItem(app, path, false)) {
        return true;
    }
    RecordBackup(app, path);
    DeleteFile(app, path, kDeleteAttempts);
    return true;
}

void QuarantineCookie(core::Application& app, std::string_view path) {
    platform::FileSystem& fs = app.ports.fileSystem;
    if (RunsThroughLink(fs, path) || !BackUpItem(app, path, false)) {
        return;
    }
    RecordBackup(app, path, ItemKind::Cookie);
    [[maybe_unused]] const bool removed = fs.RemoveFile(path);
}

void UnregisterLibrary(core::Application& app, std::string_view path) {
    if (!core::FileExists(app.ports.fileSystem, path) ||
        RunsThroughLink(app.ports.fileSystem, path) ||
        !app.removal.Unregistered.insert(base::UpperCase(path)).second) {
        return;
    }
    platform::Processes& processes = app.ports.processes;
    const std::string tool = processes.SystemDirectory() + "\\regsvr32.exe";
    const std::string commandLine = "\"" + tool + "\" /u /s \"" + std::string(path) + "\"";
    [[maybe_unused]] const bool started =
        processes.RunHidden(tool, commandLine, kUnregisterTimeLimit);
}

}  // namespace removal

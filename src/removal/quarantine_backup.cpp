#include "removal/quarantine_backup.h"

#include "core/application.h"
#include "core/file_predicates.h"
#include "core/text.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_log.h"

namespace removal {

namespace {

// More copies of one name than anyone keeps; past it the item stays put.
constexpr int kMostCopiesOfAName = 9999;

}  // namespace

std::string NumberedName(std::string_view name, int number, bool folder) {
    if (number <= 1) {
        return std::string(name);
    }
    const std::string suffix = " (" + std::to_string(number) + ")";
    const std::size_t dot = folder ? std::string_view::npos : name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::string(name) + suffix;
    }
    return std::string(name.substr(0, dot)) + suffix + std::string(name.substr(dot));
}

std::optional<std::string> BackUpItem(core::Application& app, std::string_view path, bool folder) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string key = core::UpperCase(path);
    if (const auto earlier = app.removal.BackedUp.find(key);
        earlier != app.removal.BackedUp.end()) {
        return earlier->second.storedName;
    }
    std::string_view trimmed = path;
    while (!trimmed.empty() && trimmed.back() == '\\') {
        trimmed.remove_suffix(1);
    }
    const std::string name = core::FileNameOf(trimmed);
    if (name.empty()) {
        return std::nullopt;
    }
    const std::string quarantine = QuarantineFolder(app.DataFolder);
    for (int number = 1; number <= kMostCopiesOfAName; ++number) {
        const std::string storedName = NumberedName(name, number, folder);
        const std::string target = quarantine + "\\" + storedName;
        if (fs.Attributes(target)) {
            continue;
        }
        const bool copied = folder ? CopyFolderTree(fs, path, target) : fs.CopyFileTo(path, target);
        if (!copied) {
            if (folder) {
                // Only what this call made: a partial copy is no backup.
                DeleteFolderTree(fs, target);
            }
            return std::nullopt;
        }
        app.removal.BackedUp.emplace(key, RemovalState::Copy{storedName, false});
        return storedName;
    }
    return std::nullopt;
}

void RecordBackup(core::Application& app, std::string_view path) {
    const auto copy = app.removal.BackedUp.find(core::UpperCase(path));
    if (copy == app.removal.BackedUp.end() || copy->second.recorded) {
        return;
    }
    LogQuarantinedFile(app, path, copy->second.storedName);
    copy->second.recorded = true;
}

}  // namespace removal

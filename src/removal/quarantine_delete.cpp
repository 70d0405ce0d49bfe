#include "removal/quarantine_delete.h"

#include <optional>
#include <set>

#include "base/text.h"
#include "core/application.h"
#include "core/date_time_text.h"
#include "core/quarantine_retention.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_log.h"
#include "removal/quarantine_window.h"

namespace removal {

namespace {

// Deletes one item's saved content; true when it is gone (or was already).
bool DeleteSavedContent(platform::FileSystem& fs, const std::string& path) {
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    if (!attributes) {
        return true;
    }
    // A link placed where a copy was is removed as a link, never followed.
    if (attributes->directory && !attributes->reparsePoint) {
        return DeleteFolderTree(fs, path);
    }
    return attributes->directory ? fs.RemoveFolder(path) : fs.RemoveFile(path);
}

// When the item was removed: the index's fixed form, or a log's own text in
// the user's short date of then. That date is read at its latest, so that
// nothing goes early on a system whose date puts the day first; one that
// reads in no order keeps its item. (The copy's file time is no help: a
// copy keeps the time its original was last written.)
std::optional<platform::DateTime> RemovedAt(const QuarantineEntry& entry) {
    if (entry.fromLogOnly) {
        return core::LatestDayOfUserDate(entry.time);
    }
    return ParseIndexTime(entry.time);
}

}  // namespace

std::vector<QuarantineEntry> DeleteQuarantined(core::Application& app,
                                               const std::vector<QuarantineEntry>& entries) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string folder = QuarantineFolder(app.DataFolder);
    std::vector<QuarantineEntry> left;
    std::vector<std::string> gone;
    for (const QuarantineEntry& entry : entries) {
        if (IsStoredName(entry.storedName) &&
            DeleteSavedContent(fs, folder + "\\" + entry.storedName)) {
            gone.push_back(entry.storedName);
        } else {
            left.push_back(entry);
        }
    }
    if (!gone.empty()) {
        // An index that cannot be written keeps entries whose content is
        // gone; the list leaves those out, as it does every missing copy.
        [[maybe_unused]] const bool written =
            RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, gone);
    }
    return left;
}

void PurgeOldQuarantine(core::Application& app) {
    const std::optional<int> days = core::QuarantineRetentionDays(app);
    if (!days) {
        return;
    }
    const std::int64_t limit =
        core::SecondsSinceZeroDate(app.ports.clock.Now()) - std::int64_t{*days} * 24 * 60 * 60;
    std::vector<QuarantineEntry> old;
    for (QuarantineEntry& entry :
         ListQuarantine(app.ports.fileSystem, app.ports.textCodec, app.DataFolder)) {
        // An item whose time does not read is kept: better too long than lost.
        const std::optional<platform::DateTime> removed = RemovedAt(entry);
        if (removed && core::SecondsSinceZeroDate(*removed) < limit) {
            old.push_back(std::move(entry));
        }
    }
    if (!old.empty()) {
        [[maybe_unused]] const std::vector<QuarantineEntry> left = DeleteQuarantined(app, old);
    }
}

void cmdDeleteQuarantined_Click(core::Application& app) {
    ui::FrmQuarantine& window = app.frmQuarantine;
    std::set<std::string> checked;
    for (const ui::QuarantineRow& row : window.CheckedRows()) {
        checked.insert(base::UpperCase(row.id));
    }
    if (checked.empty()) {
        return;
    }
    const platform::MessageAnswer answer = app.ports.dialogs.ShowMessage(
        app.Message("MSG_QDELETE_SURE1") + "\r\n\r\n" + app.Message("MSG_QDELETE_SURE2"),
        app.Message("MSG_QDELETE_SURE3"), platform::MessageButtons::YesNo,
        platform::MessageIcon::Question);
    if (answer != platform::MessageAnswer::Yes) {
        return;
    }
    std::vector<QuarantineEntry> chosen;
    for (QuarantineEntry& entry :
         ListQuarantine(app.ports.fileSystem, app.ports.textCodec, app.DataFolder)) {
        if (checked.contains(base::UpperCase(entry.storedName))) {
            chosen.push_back(std::move(entry));
        }
    }
    const std::vector<QuarantineEntry> left = DeleteQuarantined(app, chosen);
    window.SetRows(QuarantineRows(app));
    if (!left.empty()) {
        app.ports.dialogs.ShowMessage(app.Message("MSG_QDELETE_FAILED"), app.branding.ProgramName,
                                      platform::MessageButtons::Ok,
                                      platform::MessageIcon::Exclamation);
    }
}

}  // namespace removal

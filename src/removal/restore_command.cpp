#include "removal/restore_command.h"

#include <set>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "core/application.h"
#include "removal/quarantine_restore.h"
#include "removal/quarantine_window.h"
#include "removal/startup_item_removal.h"
#include "scan/cookie_store_scan.h"
#include "shields/browser_policy_shield.h"
#include "shields/extension_shield.h"
#include "shields/startup_shield.h"
#include "startup_items/startup_places.h"

namespace removal {

namespace {

// Kinds that only ever go back to their own place.
bool IsRegistry(QuarantineKind kind) {
    return kind == QuarantineKind::RegistryKey || kind == QuarantineKind::RegistryValue ||
           IsStartupItemKind(kind);
}

std::string WhereFrom(const QuarantineEntry& entry) {
    return entry.kind == QuarantineKind::RegistryValue ||
                   entry.kind == QuarantineKind::RegistryReset
               ? entry.location + "\\" + entry.valueName
               : entry.location;
}

std::string_view ReasonMessage(RestoreOutcome outcome) {
    switch (outcome) {
        case RestoreOutcome::Untrusted:
            return "MSG_RESTORE_WHY_CHANGED";
        case RestoreOutcome::ThroughLink:
            return "MSG_RESTORE_WHY_LINK";
        case RestoreOutcome::BadPlace:
            return "MSG_RESTORE_WHY_PLACE";
        case RestoreOutcome::Occupied:
            return "MSG_RESTORE_WHY_EXISTS";
        case RestoreOutcome::NotInPlace:
            return "MSG_RESTORE_WHY_NOT_BACK";
        case RestoreOutcome::Restored:
        case RestoreOutcome::WriteFailed:
            break;
    }
    return "MSG_RESTORE_WHY_FAILED";
}

// Something stands in the item's place: restore it beside, or skip it.
bool RestoreBeside(core::Application& app, const QuarantineEntry& entry) {
    return app.ports.dialogs.ShowMessage(
               app.Message("MSG_RESTORE_CONFLICT1") + "\r\n\r\n" + WhereFrom(entry) + "\r\n\r\n" +
                   app.Message("MSG_RESTORE_CONFLICT2"),
               app.Message("MSG_RESTORE_CONFLICT3"), platform::MessageButtons::YesNo,
               platform::MessageIcon::Question) == platform::MessageAnswer::Yes;
}

// Asks the question of the Restore button; nullopt for No, otherwise whether
// the restored items go to the exclusions.
std::optional<bool> AskToRestore(core::Application& app) {
    ui::FrmRestoreQuestion& question = app.frmRestoreQuestion;
    question.Load();
    question.chkExclude->SetValue(1);
    const bool yes = question.Ask();
    const bool exclude = question.chkExclude->Checked();
    question.Unload();
    if (!yes) {
        return std::nullopt;
    }
    return exclude;
}

}  // namespace

std::string ScanNameOfRestored(const QuarantineEntry& entry, const std::string& placedAt) {
    if (entry.kind == QuarantineKind::RegistryValue) {
        return entry.location + entry.valueName;
    }
    if (entry.kind == QuarantineKind::CookieRows) {
        return scan::StoreCookieLocation(entry.location, entry.valueName);
    }
    // A startup entry is excluded by the place the scan names it by.
    if (entry.kind == QuarantineKind::RegistryReset) {
        return entry.location + "\\" + entry.valueName;
    }
    if (entry.kind == QuarantineKind::HostsLines) {
        // The first of its lines, as the scan names a hosts line.
        const std::vector<std::string> parts = base::Split(entry.valueName, "\n");
        std::size_t blocking = 0;
        const std::vector<startup_items::StartupEntry> lines =
            parts.size() > 1 ? startup_items::ParseHostsFile(entry.location, parts[1], blocking)
                             : std::vector<startup_items::StartupEntry>{};
        return lines.empty() ? entry.location : lines.front().where;
    }
    if (IsStartupItemKind(entry.kind)) {
        return entry.location;
    }
    return IsRegistry(entry.kind) ? entry.location : placedAt;
}

void cmdRestoreQuarantined_Click(core::Application& app) {
    std::set<std::string> checked;
    for (const ui::QuarantineRow& row : app.frmQuarantine.CheckedRows()) {
        checked.insert(base::UpperCase(row.id));
    }
    if (checked.empty()) {
        return;
    }
    const std::optional<bool> exclude = AskToRestore(app);
    if (!exclude) {
        return;
    }
    std::string notDone;
    std::string notes;  // of items restored, but not wholly as saved
    for (const QuarantineEntry& entry :
         ListQuarantine(app.ports.fileSystem, app.ports.textCodec, app.DataFolder)) {
        if (!checked.contains(base::UpperCase(entry.storedName))) {
            continue;
        }
        RestoreResult result = RestoreQuarantined(app, entry, RestorePlace::Original);
        if (result.outcome == RestoreOutcome::Occupied && !IsRegistry(entry.kind)) {
            if (!RestoreBeside(app, entry)) {
                continue;  // the user's choice: it stays in the quarantine
            }
            result = RestoreQuarantined(app, entry, RestorePlace::Beside);
        }
        if (result.outcome != RestoreOutcome::Restored) {
            notDone +=
                "\r\n\r\n" + WhereFrom(entry) + "\r\n" +
                (result.note.empty() ? app.Message(ReasonMessage(result.outcome)) : result.note);
            continue;
        }
        if (!result.note.empty()) {
            notes += "\r\n\r\n" + WhereFrom(entry) + "\r\n" + result.note;
        }
        if (*exclude && entry.kind != QuarantineKind::ExtensionSettings) {
            app.exclusions.AddExclusion(app.ports.fileSystem, app.ports.textCodec,
                                        app.ports.eventLoop, app.DataFolder,
                                        ScanNameOfRestored(entry, result.placedAt));
        }
    }
    // A policy the user brought back is no question for the policy shield.
    shields::NoteBrowserPolicies(app);
    shields::NoteStartupPlaces(app);
    shields::NoteBrowserExtensions(app);
    app.frmQuarantine.SetRows(QuarantineRows(app));
    if (!notDone.empty()) {
        app.ports.dialogs.ShowMessage(app.Message("MSG_RESTORE_NOT_DONE") + notDone,
                                      app.branding.ProgramName, platform::MessageButtons::Ok,
                                      platform::MessageIcon::Exclamation);
    }
    if (!notes.empty()) {
        app.ports.dialogs.ShowMessage(notes.substr(4), app.branding.ProgramName,
                                      platform::MessageButtons::Ok,
                                      platform::MessageIcon::Information);
    }
}

}  // namespace removal

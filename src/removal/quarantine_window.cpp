#include "removal/quarantine_window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/application.h"
#include "core/date_time_text.h"
#include "removal/quarantine_delete.h"
#include "removal/quarantine_index.h"
#include "removal/restore_command.h"

namespace removal {

namespace {

std::string LastPart(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// Whole kilobytes, rounded up as Explorer shows them; megabytes for the large.
std::string SizeText(std::uint64_t bytes) {
    constexpr std::uint64_t kKilo = 1024;
    constexpr std::uint64_t kMega = kKilo * kKilo;
    if (bytes >= 100 * kMega) {
        return std::to_string((bytes + kMega - 1) / kMega) + " MB";
    }
    return std::to_string((bytes + kKilo - 1) / kKilo) + " KB";
}

// The index's fixed time in the user's formats; a log's own text (an item
// older than the index) as it stands.
std::string WhenText(core::Application& app, const QuarantineEntry& entry) {
    const std::optional<platform::DateTime> time =
        entry.fromLogOnly ? std::nullopt : ParseIndexTime(entry.time);
    return time ? core::UserDateText(app.ports.localeFormats, *time) : entry.time;
}

std::string_view KindMessage(QuarantineKind kind) {
    switch (kind) {
        case QuarantineKind::Folder:
            return "MSG_QUARANTINE_FOLDER";
        case QuarantineKind::Cookie:
            return "MSG_QUARANTINE_COOKIE";
        case QuarantineKind::RegistryKey:
            return "MSG_QUARANTINE_REGKEY";
        case QuarantineKind::RegistryValue:
            return "MSG_QUARANTINE_REGVALUE";
        case QuarantineKind::CookieRows:
            return "MSG_QUARANTINE_COOKIEROWS";
        case QuarantineKind::RegistryReset:
            return "MSG_QUARANTINE_REGRESET";
        case QuarantineKind::HostsLines:
            return "MSG_QUARANTINE_HOSTSLINES";
        case QuarantineKind::ShortcutArguments:
            return "MSG_QUARANTINE_SHORTCUTARGS";
        case QuarantineKind::ServiceStart:
            return "MSG_QUARANTINE_SERVICE";
        case QuarantineKind::Task:
            return "MSG_QUARANTINE_TASK";
        case QuarantineKind::ExtensionSettings:
            return "MSG_QUARANTINE_EXTSETTINGS";
        case QuarantineKind::File:
            break;
    }
    return "MSG_QUARANTINE_FILE";
}

ui::QuarantineRow RowOf(core::Application& app, const QuarantineEntry& entry) {
    ui::QuarantineRow row;
    row.whereFrom = (entry.kind == QuarantineKind::RegistryValue ||
                     entry.kind == QuarantineKind::RegistryReset) &&
                            !entry.valueName.empty()
                        ? entry.location + "\\" + entry.valueName
                    : entry.kind == QuarantineKind::CookieRows ||
                            entry.kind == QuarantineKind::ExtensionSettings
                        ? entry.location + " (" + entry.valueName + ")"
                        : entry.location;
    // An item older than the index has no threat name: the item's own name
    // (not its copy's, which may carry a number) is the one the user knows.
    row.threat = entry.threat.empty() ? LastPart(row.whereFrom) : entry.threat;
    row.what = app.Message(KindMessage(entry.kind));
    row.when = WhenText(app, entry);
    row.size = SizeText(entry.size);
    row.id = entry.storedName;
    return row;
}

}  // namespace

std::vector<ui::QuarantineRow> QuarantineRows(core::Application& app) {
    std::vector<ui::QuarantineRow> rows;
    for (const QuarantineEntry& entry :
         ListQuarantine(app.ports.fileSystem, app.ports.textCodec, app.DataFolder)) {
        rows.push_back(RowOf(app, entry));
    }
    return rows;
}

void OpenQuarantineWindow(core::Application& app) {
    ui::FrmQuarantine& window = app.frmQuarantine;
    if (window.IsLoaded()) {
        window.SetRows(QuarantineRows(app));
    }
    window.Show();
    window.BringToFront();
}

void AttachQuarantineWindow(core::Application& app) {
    ui::FrmQuarantine& window = app.frmQuarantine;
    window.onLoad = [&app] {
        ui::FrmQuarantine& w = app.frmQuarantine;
        if (app.Catalogue) {
            app.Catalogue->ChangeLanguage(w, app.Catalogue->CurrentLanguage());
        }
        if (std::string title = app.Message("MSG_QUARANTINE_TITLE"); !title.empty()) {
            w.SetCaption(std::move(title));
        }
        w.SetRows(QuarantineRows(app));
    };
    window.cmdClose->onClick = [&window] {
        window.Unload();
    };
    // A removal that runs meanwhile relies on the copies it saved; the
    // buttons are held for its length, and a click that comes anyway does
    // nothing.
    window.cmdDelete->onClick = [&app] {
        if (!app.removal.Running) {
            cmdDeleteQuarantined_Click(app);
        }
    };
    window.cmdRestore->onClick = [&app] {
        if (!app.removal.Running) {
            cmdRestoreQuarantined_Click(app);
        }
    };
    ui::FrmRestoreQuestion& question = app.frmRestoreQuestion;
    question.onLoad = [&app] {
        ui::FrmRestoreQuestion& q = app.frmRestoreQuestion;
        if (app.Catalogue) {
            app.Catalogue->ChangeLanguage(q, app.Catalogue->CurrentLanguage());
        }
        q.SetCaption(app.Message("MSG_RESTORE_SURE2"));
        q.lblQuestion->SetCaption(app.Message("MSG_RESTORE_SURE1"));
        q.chkExclude->SetCaption(app.Message("MSG_RESTORE_EXCLUDE"));
    };
    app.frmMain.mnuQuarItem[ui::FrmMain::kQuarRestoreOrDelete]->onClick = [&app] {
        OpenQuarantineWindow(app);
    };
}

}  // namespace removal

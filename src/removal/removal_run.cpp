#include "removal/removal_run.h"

#include <optional>
#include <string>

#include "base/text.h"
#include "browsers/extension_inventory.h"
#include "core/application.h"
#include "core/background_timers.h"
#include "core/date_time_text.h"
#include "core/file_predicates.h"
#include "core/pages.h"
#include "core/scan_state.h"
#include "core/status_page.h"
#include "removal/cookie_store_removal.h"
#include "removal/delete_failed.h"
#include "removal/extension_removal.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_log.h"
#include "removal/quarantine_operations.h"
#include "removal/registry_removal.h"
#include "removal/registry_roots.h"
#include "removal/restore_point.h"
#include "removal/startup_item_removal.h"
#include "scan/cookie_store_scan.h"
#include "scan/extension_scan.h"
#include "scan/finding_lists.h"
#include "scan/scan_progress.h"
#include "shields/browser_policy_shield.h"
#include "shields/startup_shield.h"
#include "startup_items/startup_scan.h"

namespace removal {

namespace {

// Yields while "Gathering information..." shows, so that the window paints
// it and pending input is handled before the work starts.
constexpr int kGatheringYields = 20001;

void Yield(core::Application& app) {
    app.ports.eventLoop.YieldToMessageLoop();
}

void ShowProgressControls(ui::FrmMain& main, bool visible) {
    main.pgbDeleteSpywaresFound->SetVisible(visible);
    main.lblDeletingPercentageCompleted->SetVisible(visible);
    main.lblDeletingCaption->SetVisible(visible);
}

// "Removing : P% Completed." for row `number` (from 1) of `rows`.
void ShowRowProgress(core::Application& app, int number, int rows) {
    const int percent = scan::Percent(number, rows);
    app.frmMain.lblDeletingPercentageCompleted->SetCaption(app.Message("MSG_REMOVING2") + " : " +
                                                           std::to_string(percent) + "% " +
                                                           app.Message("MSG_COMPLETED"));
}

// The extension after the last dot, unless a colon or backslash follows it.
std::string ExtensionOf(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos ||
        path.find_first_of(":\\", dot + 1) != std::string_view::npos) {
        return {};
    }
    return base::UpperCase(path.substr(dot + 1));
}

// Unchecks the first row of the list whose sub-item 1 (with `bySubItem`) is
// exactly `text`, or else whose text is the threat name `text` in any letter
// case, as the scan gives one row to a name.
void UncheckFirstRow(ui::ListView& list, std::string_view text, bool bySubItem) {
    for (int row = 0; row < list.ItemCount(); ++row) {
        const ui::ListItem& item = list.Item(row);
        if (bySubItem ? item.SubItem(1) == text : base::EqualsIgnoreCase(item.text, text)) {
            list.SetChecked(row, false);
            return;
        }
    }
}

// A trace that is still there after the second pass: listed for the user,
// and both its rows stay, unchecked, for another attempt.
// `rowText` is the trace row's text, by which the row is known again after
// the yields.
void ReportLeftover(core::Application& app, ui::ListView& traces, int row, const std::string& path,
                    std::string_view nameRowKey, bool bySubItem, std::string_view rowText) {
    app.frmDelete.lstProblem->AddItem(path);
    ++app.removal.ProblemCount;
    UncheckFirstRow(*app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved, nameRowKey,
                    bySubItem);
    if (row < traces.ItemCount() && traces.Item(row).text == rowText) {
        traces.SetChecked(row, false);
    }
}

void ReportLeftover(core::Application& app, ui::ListView& traces, int row, const std::string& path,
                    std::string_view nameRowKey, bool bySubItem) {
    ReportLeftover(app, traces, row, path, nameRowKey, bySubItem, path);
}

// The threat of a cookie row: the text of its name row.
std::string CookieThreat(core::Application& app, const std::string& path) {
    const ui::ListView& names = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    for (int row = 0; row < names.ItemCount(); ++row) {
        if (names.Item(row).SubItem(1) == path) {
            return names.Item(row).text;
        }
    }
    return "Cookie: " + core::FileNameOf(path);
}

// Whether the key refuses this program the right to change it, as the
// machine's keys refuse a standard user or an administrator without
// elevation; an entry that stayed for another reason says no such thing.
bool RefusesChanges(core::Application& app, platform::RegistryRoot root, const std::string& key) {
    return app.ports.registry
               .OpenKey(root, key, platform::reg_access::kSetValue,
                        platform::RegistryView::Native64)
               .status == platform::reg_status::kAccessDenied;
}

bool StillThere(core::Application& app, const std::string& path) {
    return core::FileExists(app.ports.fileSystem, path) ||
           core::DirectoryExists(app.ports.fileSystem, path);
}

void RemoveFileRow(core::Application& app, const std::string& path) {
    // Reached through a link, the path names something outside the threat's
    // place: nothing is unregistered, stopped or deleted, and the second pass
    // lists it as a leftover.
    if (RunsThroughLink(app.ports.fileSystem, path)) {
        return;
    }
    const std::string extension = ExtensionOf(path);
    if (extension == "DLL" || extension == "OCX") {
        UnregisterLibrary(app, path);
        QuarantineLibrary(app, path);
        QuarantineItem(app, path);
    } else if (extension == "EXE") {
        QuarantineExecutable(app, path);
    } else {
        QuarantineItem(app, path);
    }
}

// The rows are read afresh at every step: the passes yield, and the lists
// must not be walked past their end whatever happens meanwhile.
void RemoveFiles(core::Application& app, bool secondPass) {
    ui::FrmMain& main = app.frmMain;
    ui::ListView& files = *main.lvwFilesToBeDeleted;
    const int rows = files.ItemCount();
    for (int row = 0; row < files.ItemCount(); ++row) {
        if (!files.Item(row).checked) {
            continue;
        }
        const std::string path = files.Item(row).text;
        const std::string threatName = files.Item(row).SubItem(1);
        // 1.
        main.pgbDeleteSpywaresFound->SetValue(row + 1);
        ShowRowProgress(app, row + 1, rows);
        main.lblDeletingCaption->SetCaption(base::LowerCase(path));
        // 2.
        app.removal.CurrentThreat = threatName;
        RemoveFileRow(app, path);
        // 3.
        Yield(app);
        // 4.
        if (!secondPass || !StillThere(app, path)) {
            continue;
        }
        if (base::UpperCase(path).find(".EXE") != std::string::npos) {
            QuarantineExecutable(app, path);
        }
        if (StillThere(app, path)) {
            // A standard user is told how to get the rights that a file of
            // the machine's folders asks for.
            const bool needsAdministrator =
                !app.ports.elevation.IsElevated() &&
                app.ports.fileSystem.WhoMayWrite(path) == platform::WriteAccess::AdministratorsOnly;
            DropCopyOfLeftover(app, path);
            ReportLeftover(
                app, files, row,
                needsAdministrator ? path + " - " + app.Message("MSG_SI_RUN_AS_ADMIN") : path,
                threatName, false, path);
        }
    }
}

void RemoveRegistryEntries(core::Application& app, bool secondPass) {
    ui::FrmMain& main = app.frmMain;
    ui::ListView& registry = *main.lvwRegistryToBeDeleted;
    const int fileRows = main.lvwFilesToBeDeleted->ItemCount();
    const int rows = registry.ItemCount();
    for (int row = 0; row < registry.ItemCount(); ++row) {
        if (!registry.Item(row).checked) {
            continue;
        }
        const ui::ListItem item = registry.Item(row);
        // 1.
        main.pgbDeleteSpywaresFound->SetValue(fileRows + row + 1);
        ShowRowProgress(app, row + 1, rows);
        main.lblDeletingCaption->SetCaption(
            base::LowerCase(item.SubItem(1) + "\\" + item.SubItem(2)));
        // 2. to 4.
        app.removal.CurrentThreat = item.SubItem(3);
        const TraceOutcome outcome =
            RemoveRegistryTrace(app, item.text, item.SubItem(1), item.SubItem(2));
        // 5.
        Yield(app);
        // An entry that could not be saved was kept, as was a key that could
        // not be wholly deleted, and the user hears of it like of any file.
        if (secondPass && outcome != TraceOutcome::Handled) {
            const std::optional<RootKey> root = RootKeyOfHandleText(base::Trim(item.text));
            std::string where =
                std::string(root ? root->name : "") + "\\" + base::Trim(item.SubItem(1));
            if (!base::Trim(item.SubItem(2)).empty()) {
                where += "\\" + base::Trim(item.SubItem(2));
            }
            LogDeletionFailed(app, where, "");
            // A standard user is told how to get the rights the machine's
            // keys ask for.
            if (root && root->handle == platform::RegistryRoot::LocalMachine &&
                !app.ports.elevation.IsElevated() &&
                RefusesChanges(app, root->handle, base::Trim(item.SubItem(1)))) {
                where += " - " + app.Message("MSG_SI_RUN_AS_ADMIN");
            }
            ReportLeftover(app, registry, row, where, item.SubItem(3), false, item.text);
        }
    }
}

// A browser's cookies of one domain, from its store. What could not be
// removed is said in the second pass, with what the user can do about it.
void RemoveStoreRow(core::Application& app, int row, bool secondPass) {
    ui::ListView& cookies = *app.frmMain.lvwCookiesToDelete;
    const ui::ListItem item = cookies.Item(row);
    app.removal.CurrentThreat = CookieThreat(app, item.text);
    const StoreRemoval outcome = RemoveStoreCookies(app, item.SubItem(scan::kStorePathSubItem),
                                                    item.SubItem(scan::kStoreDomainSubItem));
    Yield(app);
    if (!secondPass || (outcome != StoreRemoval::InUse && outcome != StoreRemoval::NotSaved &&
                        outcome != StoreRemoval::Unworkable)) {
        return;
    }
    const std::string reason =
        outcome == StoreRemoval::InUse
            ? base::ReplaceAll(app.Message("MSG_COOKIE_STORE_IN_USE"), "[Browser]",
                               item.SubItem(scan::kStoreBrowserSubItem))
            : app.Message(outcome == StoreRemoval::NotSaved ? "MSG_COOKIE_STORE_NOT_SAVED"
                                                            : "MSG_COOKIE_STORE_UNWORKABLE");
    LogDeletionFailed(app, item.text, "");
    ReportLeftover(app, cookies, row, item.text + " - " + reason, item.text, true, item.text);
}

void RemoveCookies(core::Application& app, bool secondPass) {
    ui::FrmMain& main = app.frmMain;
    ui::ListView& cookies = *main.lvwCookiesToDelete;
    const int rows = cookies.ItemCount();
    for (int row = 0; row < cookies.ItemCount(); ++row) {
        if (!cookies.Item(row).checked) {
            continue;
        }
        const std::string path = cookies.Item(row).text;
        ShowRowProgress(app, row + 1, rows);
        main.lblDeletingCaption->SetCaption(base::LowerCase(path));
        // A store's row names its store and domain in its own text too; a
        // cookie file's row is its path alone.
        const ui::ListItem& item = cookies.Item(row);
        const std::string& store = item.SubItem(scan::kStorePathSubItem);
        const std::string& domain = item.SubItem(scan::kStoreDomainSubItem);
        if (!store.empty() && !domain.empty() && path == scan::StoreCookieLocation(store, domain)) {
            RemoveStoreRow(app, row, secondPass);
            continue;
        }
        if (core::FileExists(app.ports.fileSystem, path)) {
            app.removal.CurrentThreat = CookieThreat(app, path);
            QuarantineCookie(app, path);
        }
        Yield(app);
        // A cookie that could not be backed up is kept, and the user hears
        // of it like of any file.
        if (secondPass && core::FileExists(app.ports.fileSystem, path)) {
            DropCopyOfLeftover(app, path);
            ReportLeftover(app, cookies, row, path, path, true);
        }
    }
}

// Browser extensions: removed in the first pass with their settings and
// what would install them again; the second pass says what could not be
// done, and such a row stays, unchecked, so that nothing counts it as
// removed.
void RemoveExtensions(core::Application& app, bool secondPass) {
    ui::ListView& names = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    std::vector<RemovalState::ExtensionProblem>& problems = app.removal.ExtensionProblems;
    if (!secondPass) {
        problems.clear();
        std::vector<browsers::InstalledExtension> inventory;
        bool read = false;
        for (const scan::ExtensionFinding& finding : app.scan.extensionFindings) {
            const bool checked = [&] {
                for (int row = 0; row < names.ItemCount(); ++row) {
                    const ui::ListItem& item = names.Item(row);
                    if (item.checked && item.text == finding.name &&
                        item.SubItem(1) == finding.location) {
                        return true;
                    }
                }
                return false;
            }();
            if (!checked) {
                continue;
            }
            if (!read) {
                inventory = browsers::FindExtensions(app.ports.shellFolders, app.ports.fileSystem,
                                                     app.ports.registry, app.ports.textCodec);
                read = true;
            }
            app.frmMain.lblDeletingCaption->SetCaption(base::LowerCase(finding.location));
            app.removal.CurrentThreat = finding.name;
            for (const browsers::InstalledExtension& found : inventory) {
                if (found.browser != finding.browser ||
                    scan::ExtensionLocation(found) != finding.location) {
                    continue;
                }
                const ExtensionRemovalResult result = RemoveExtension(app, found);
                if (result.outcome != ExtensionRemoval::Removed) {
                    problems.push_back(
                        {finding.name, finding.location,
                         finding.name + " - " +
                             ExtensionRemovalText(app, result.outcome, finding.browser)});
                }
                for (const std::string& leftover : result.leftovers) {
                    problems.push_back(
                        {finding.name, finding.location,
                         leftover + " - " +
                             base::ReplaceAll(app.Message("MSG_EXT_REINSTALLER_KEPT"), "[Browser]",
                                              finding.browser)});
                }
                break;
            }
            Yield(app);
        }
        return;
    }
    for (const RemovalState::ExtensionProblem& problem : problems) {
        app.frmDelete.lstProblem->AddItem(problem.text);
        ++app.removal.ProblemCount;
        for (int row = 0; row < names.ItemCount(); ++row) {
            const ui::ListItem& item = names.Item(row);
            if (item.text == problem.name && item.SubItem(1) == problem.location) {
                names.SetChecked(row, false);
                break;
            }
        }
    }
    problems.clear();
}

// Startup entries that the removal cannot change yet: never counted as
// removed, nothing is touched, and the user hears what to do instead. Their
// registry-value kinds go with the registry rows, and those changed in place
// with RemoveStartupItems.
void ListUnremovableStartupItems(core::Application& app, bool secondPass) {
    if (!secondPass) {
        return;
    }
    ui::ListView& names = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    for (int row = 0; row < names.ItemCount(); ++row) {
        const ui::ListItem item = names.Item(row);
        if (!item.checked) {
            continue;
        }
        const std::optional<std::string_view> reason =
            startup_items::UnremovableReason(app.startupItems, item.text, item.SubItem(1));
        if (reason) {
            ReportLeftover(app, names, row, item.SubItem(1) + " - " + app.Message(*reason),
                           item.text, false, item.text);
        }
    }
}

void RemovalPass(core::Application& app, bool secondPass) {
    ui::FrmMain& main = app.frmMain;
    app.removal.ProblemCount = 0;
    // 1.
    if (main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount() > 0) {
        main.lblDeletingPercentageCompleted->SetVisible(true);
        main.pgbDeleteSpywaresFound->SetVisible(true);
        main.lblDeletingPercentageCompleted->SetCaption(app.Message("MSG_REMOVING"));
        main.pgbDeleteSpywaresFound->SetValue(0);
        main.pgbDeleteSpywaresFound->SetMax(main.lvwRegistryToBeDeleted->ItemCount() +
                                            main.lvwFilesToBeDeleted->ItemCount());
    }
    // 2.
    RemoveFiles(app, secondPass);
    // 3.
    RemoveRegistryEntries(app, secondPass);
    // 4.
    RemoveCookies(app, secondPass);
    RemoveExtensions(app, secondPass);
    RemoveStartupItems(app, secondPass);
    ListUnremovableStartupItems(app, secondPass);
    // 5.
    if (app.removal.ProblemCount > 0) {
        app.frmDelete.Show();
        app.frmDelete.BringToFront();
    }
}

void ShowResultsPage(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    core::HideAllPages(app);
    main.PicResults->SetVisible(true);
    for (ui::Control* control :
         {static_cast<ui::Control*>(main.lblSweepNow), static_cast<ui::Control*>(main.lblOptions),
          static_cast<ui::Control*>(main.lblResult), static_cast<ui::Control*>(main.lblExit)}) {
        control->SetEnabled(true);
    }
    main.lblRemove->SetEnabled(false);
}

int CaptionNumber(const ui::Label& label) {
    return static_cast<int>(base::LeadingNumber(label.Caption()));
}

}  // namespace

void Command4_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    platform::Dialogs& dialogs = app.ports.dialogs;
    const bool quiet = app.scan.AutoRemoveAfterScan;
    if (app.removal.Running) {
        return;
    }
    // 1.
    const ui::ListView& names = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    bool anyChecked = false;
    for (int row = 0; row < names.ItemCount() && !anyChecked; ++row) {
        anyChecked = names.Item(row).checked;
    }
    if (!anyChecked) {
        if (!quiet) {
            dialogs.ShowMessage(app.Message("MSG_SELECTED"), app.branding.ProgramName,
                                platform::MessageButtons::Ok, platform::MessageIcon::Information);
        }
        return;
    }
    // 2.
    std::string question = app.Message("MSG_CONFIRM1") + "\r\n\r\n" + app.Message("MSG_CONFIRM2") +
                           "\r\n\r\n" + QuarantineFolder(app.DataFolder);
    if (RestorePointsAvailable(app)) {
        question +=
            "\r\n\r\n" + app.Message("MSG_CONFIRM3") + "\r\n\r\n" + app.Message("MSG_CONFIRM4");
    }
    // 3.
    if (!quiet &&
        dialogs.ShowMessage(question, app.Message("MSG_REALLY"), platform::MessageButtons::YesNo,
                            platform::MessageIcon::Question) != platform::MessageAnswer::Yes) {
        return;
    }
    // 4.
    ShowProgressControls(main, true);
    app.frmDelete.lstProblem->Clear();
    lblRemove_Click(app);
}

void lblRemove_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    RemovalState& state = app.removal;
    // The passes yield after every row; a second click meanwhile waits for
    // this run to end instead of walking the same lists at once.
    if (state.Running) {
        return;
    }
    state.Running = true;
    app.frmQuarantine.HoldCommands(true);
    state.BackedUp.clear();
    state.SavedRegistry.clear();
    state.Unregistered.clear();
    main.Command4->SetEnabled(false);
    // 1.
    CreateQuarantineFolder(app.ports.fileSystem, app.DataFolder);
    // 2.
    ShowResultsPage(app);
    // 3.
    core::ApplyTimerSettings(app, false);
    ShowProgressControls(main, true);
    // 4.
    main.lblDeletingPercentageCompleted->SetCaption(app.Message("MSG_INFORMATION"));
    for (int i = 0; i < kGatheringYields; ++i) {
        Yield(app);
    }
    main.lblDeletingPercentageCompleted->SetCaption("");
    // 5.
    const bool restorePoints = RestorePointsAvailable(app);
    if (restorePoints) {
        main.lblDeletingPercentageCompleted->SetCaption(app.Message("MSG_RESTOREPOINT"));
        Yield(app);
        BeginRestorePoint(app,
                          app.branding.ProgramName + " Restore Point " +
                              core::UserDateText(app.ports.localeFormats, app.ports.clock.Now()),
                          kRestorePointTypeRemoval);
    }
    // 6.
    state.QuarantineLogging = true;
    RemovalPass(app, false);
    state.QuarantineLogging = false;
    RemovalPass(app, true);
    // 7.
    if (restorePoints && state.RestorePointSequence != 0) {
        EndRestorePoint(app);
    }
    // 8.
    scan::RemoveCheckedRows(*main.lvwFilesToBeDeleted);
    scan::RemoveCheckedRows(*main.lvwRegistryToBeDeleted);
    scan::RemoveCheckedRows(*main.lvwSpywareFound);
    scan::RemoveCheckedRows(*main.lvwCookiesToDelete);
    main.lblDeletingCaption->SetCaption("");
    scan::RemoveCheckedRows(*main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved);
    // 9.
    main.pgbDeleteSpywaresFound->SetValue(main.pgbDeleteSpywaresFound->Max());
    main.lblDeletingPercentageCompleted->SetCaption("100% " + app.Message("MSG_COMPLETE"));
    // The policy shield asks again about a policy removed here and then set
    // again.
    shields::NoteBrowserPolicies(app);
    shields::NoteStartupPlaces(app);
    // 10.
    core::ApplyTimerSettings(app, true);
    main.lblRemove->SetEnabled(true);
    // 11.
    const int removed = CaptionNumber(*main.lblRemovePicSoftwareFound) +
                        CaptionNumber(*main.lbltracesFound) + CaptionNumber(*main.lblSoftwareFound);
    app.WriteUserSetting("Settings", "lblDefRemoved", std::to_string(removed));
    // 12.
    if (main.chkSendData->Value() == 1 && app.SubmitAnonymousData) {
        app.SubmitAnonymousData();
    }
    // 13.
    core::RefreshStatusPage(app);
    ShowProgressControls(main, false);
    main.Command4->SetEnabled(true);
    state.Running = false;
    app.frmQuarantine.HoldCommands(false);
}

void AttachRemoval(core::Application& app) {
    app.frmMain.Command4->onClick = [&app] {
        Command4_Click(app);
    };
    app.frmMain.lblRemove->onClick = [&app] {
        lblRemove_Click(app);
    };
    app.frmMain.mnuQuarItem[0]->onClick = [&app] {
        ViewQuarantine(app);
    };
    AttachDeleteFailedWindow(app);
}

}  // namespace removal

#include "scan/scan_run.h"

#include "base/text.h"
#include "core/application.h"
#include "core/background_timers.h"
#include "core/date_time_text.h"
#include "core/definition_check.h"
#include "core/definition_counts.h"
#include "core/pages.h"
#include "core/path_macros.h"
#include "core/status_page.h"
#include "definitions/safe_list_file.h"
#include "removal/removal_run.h"
#include "report/scan_report.h"
#include "scan/browser_policy_scan.h"
#include "scan/cookie_scan.h"
#include "scan/extension_scan.h"
#include "scan/file_scan.h"
#include "scan/finding_lists.h"
#include "scan/memory_scan.h"
#include "scan/registry_scan.h"
#include "scan/scan_progress.h"
#include "startup_items/startup_scan.h"

namespace scan {

namespace {

void SetPhase(core::Application& app, std::string_view messageKey) {
    const std::string title = app.Message(messageKey);
    app.frmMain.lblPercentageCompleted->SetCaption(title);
    app.scan.ScanPhaseText = title + ": ";
}

bool SettingIsTrue(core::Application& app, std::string_view key) {
    return base::TextToBool(app.ReadUserSetting("OptionAndSettings", key, "True")).value_or(false);
}

void AskToStop(core::Application& app, std::string_view messageKey) {
    const platform::MessageAnswer answer = app.ports.dialogs.ShowMessage(
        app.Message(messageKey), app.branding.ProgramName, platform::MessageButtons::YesNo,
        platform::MessageIcon::Question);
    if (answer == platform::MessageAnswer::Yes) {
        app.forms.SetBusyPointer(false);
        app.scan.ScanStopRequested = true;
    }
}

void Pause(core::Application& app, ui::Control& pauseControl) {
    ui::FrmMain& main = app.frmMain;
    pauseControl.SetEnabled(false);
    main.cmdStop->SetEnabled(false);
    app.ports.dialogs.ShowMessage(app.Message("MSG_PAUSED"), app.branding.ProgramName,
                                  platform::MessageButtons::Ok, platform::MessageIcon::Information);
    pauseControl.SetEnabled(true);
    main.cmdStop->SetEnabled(true);
}

}  // namespace

void cmdScanNow_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    ScanState& state = app.scan;
    // 1.
    main.tmrScroll->SetEnabled(false);
    app.frmDelete.Hide();
    app.frmDelete.lstProblem->Clear();
    // 2.
    main.cmdRemove->SetVisible(false);
    main.cmdResults->SetEnabled(false);
    main.cmdSettings->SetEnabled(false);
    // 3.
    core::ApplyTimerSettings(app, false);
    // 4.
    main.cmdScanNow->SetEnabled(false);
    main.cmdScan->SetEnabled(false);
    main.cmdStop->SetEnabled(true);
    main.cmdPause->SetEnabled(true);
    main.cmdLog->SetEnabled(false);
    main.cmdUpdate->SetEnabled(false);
    main.cmdStatus->SetEnabled(false);
    // 5.
    LockMainWindow(app, true);
    for (ui::Label* label :
         {main.lblRegistryInspected, main.lblFilesFolderInspected, main.lblMemoryInspected,
          main.lblSoftwareFound, main.lblRemovePicSoftwareFound, main.lbltracesFound,
          main.lblPercentageCompleted, main.lblStatus0}) {
        label->SetCaption("0");
    }
    main.lblTotalNoOfRunningItems->SetCaption("0");
    state.MemoryItemsInspected = 0;
    state.RegistryEntriesInspected = 0;
    state.FilesFoldersInspected = 0;
    state.ThreatsFound = 0;
    state.ProgressCallCount = 0;
    state.memoryPhaseRan = false;
    state.registryPhaseRan = false;
    state.extensionFindings.clear();
    app.startupItems = {};
    for (ui::ListView* list :
         {main.lvwSpywareFound, main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved,
          main.lvwFilesToBeDeleted, main.lvwRegistryToBeDeleted, main.lvwCookiesToDelete}) {
        list->Clear();
    }
    LockMainWindow(app, false);
    // 6.
    state.ScanStopRequested = false;
    state.ScanStartedAt = core::UserDateText(app.ports.localeFormats, app.ports.clock.Now());
    // 7.
    RunScanPhases(app);
    // The program was closed during the run: it records, writes and removes
    // nothing more on its way out.
    if (app.Ending()) {
        return;
    }
    // 8.
    const platform::DateTime finished = app.ports.clock.Now();
    state.ScanFinishedAt = core::UserDateText(app.ports.localeFormats, finished);
    // Stored in the fixed form, so that a change of the user's formats
    // still reads it; the status page shows it in the user's.
    const std::string stored = core::GeneralDateText(finished);
    app.WriteUserSetting("Settings", "lblLastScan", stored);
    if (main.optScanAllSelectedHardDrive->Value()) {
        app.WriteUserSetting("Settings", "lblLastFullScan", stored);
    }
    // 9.
    if (main.chkMakeLog->Value() == 1) {
        report::MakeReport(app);
    }
    // 10.
    main.cmdRemove->SetVisible(true);
    main.cmdRemove->SetEnabled(true);
    main.cmdResults->SetEnabled(true);
    main.cmdSettings->SetEnabled(true);
    // 11.
    if (state.ScanStopRequested) {
        main.lblStatus0->SetCaption(app.Message("MSG_SCAN_CANCELLED"));
        main.lblPercentageCompleted->SetCaption("0% " + app.Message("MSG_COMPLETED"));
    } else {
        main.lblStatus0->SetCaption(app.Message("MSG_SCAN_COMPLETED"));
        main.pb1->SetValue(100);
        main.pb2->SetValue(100);
        if (state.AutoRemoveAfterScan) {
            cmdRemove_Click(app);
            cmdSelectAll_Click(app);
            removal::Command4_Click(app);
        }
    }
    // 12.
    for (ui::CommandButton* control :
         {main.cmdScan, main.cmdScanNow, main.cmdLog, main.cmdUpdate, main.cmdStatus}) {
        control->SetEnabled(true);
    }
    main.cmdStop->SetEnabled(false);
    main.cmdPause->SetEnabled(false);
    // 13.
    core::ApplyTimerSettings(app, true);
    main.tmrTimeOut->SetEnabled(true);
    core::RefreshStatusPage(app);
}

bool ScanMustEnd(const core::Application& app) noexcept {
    return app.scan.ScanStopRequested || app.Ending();
}

void RunScanPhases(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    ScanState& state = app.scan;
    platform::Platform& ports = app.ports;
    // 1.
    state.definitionFilesMissing = false;
    if (!definitions::CheckDefinitionFiles(ports.fileSystem, app.DataFolder)) {
        // The check has deleted the set: the status page counts what is left
        // and keeps saying that files are missing (RefreshStatusPage).
        state.definitionFilesMissing = true;
        app.TotalDefinitionLines =
            definitions::CountDefinitions(ports.fileSystem, app.DataFolder, app.counts);
        main.lblDefVersion->SetCaption(app.Message("MSG_MISSINGFILES"));
        ports.dialogs.ShowMessage(app.Message("MSG_MISSING"), app.branding.ProgramName,
                                  platform::MessageButtons::Ok, platform::MessageIcon::Information);
        return;
    }
    // 2.
    definitions::LoadSafeList(app.SafeList, ports.fileSystem, ports.shellFolders, ports.textCodec,
                              app.DataFolder, core::SystemDriveRoot(ports.shellFolders),
                              state.ScanStopRequested);
    // 3.
    main.pb1->SetMax(100);
    main.pb1->SetValue(0);
    main.pb2->SetMax(100);
    main.pb2->SetValue(0);
    // 4.
    if (base::LeadingNumber(app.ReadUserSetting("OptionAndSettings", "chkScanCookies", "1")) == 1) {
        SetPhase(app, "MSG_COOKIES");
        std::int32_t cookieFiles = 0;
        ScanCookies(app, cookieFiles);
        main.pb1->SetValue(100);
        const int overall = Percent(app.counts.CookieDefinitionCount, app.TotalDefinitionLines);
        if (overall >= 0) {
            main.pb2->SetValue(overall);
        }
        main.lblStatus0->SetCaption(app.Message("MSG_COOKIES_FINISHED"));
    }
    // 5.
    if (SettingIsTrue(app, "chkSweepMemory")) {
        SetPhase(app, "MSG_MEMORY");
        state.memoryPhaseRan = true;
        RunMemoryScan(app);
    } else {
        main.lblMemoryInspected->SetCaption(app.Message("MSG_NOTSELECED"));
    }
    // 6.
    SetPhase(app, "MSG_REGISTRY");
    main.pb1->SetValue(0);
    const int overall = Percent(app.counts.CookieDefinitionCount, app.TotalDefinitionLines);
    if (overall >= 0) {
        main.pb2->SetValue(overall);
    }
    if (SettingIsTrue(app, "chkScanRegistry")) {
        state.registryPhaseRan = true;
        ScanRegistry(app);
        // The browsers' policies are registry entries too (and Firefox's
        // policy files with them): the registry option covers them.
        ScanBrowserPolicies(app);
    } else {
        main.lblRegistryInspected->SetCaption(app.Message("MSG_NOTSELECED"));
    }
    // 7.
    SetPhase(app, "MSG_SPYWARE");
    ScanKnownFiles(app);
    ScanKnownFolders(app);
    // The browsers' extensions are what their known files once were.
    ScanBrowserExtensions(app);
    // The places where programs make themselves start or redirect the user,
    // judged by rules rather than definitions, on every scan.
    SetPhase(app, "MSG_STARTUPITEMS");
    startup_items::ScanStartupItems(app);
    // 8.
    UpdateScanProgress(app, "Scan Complete", 100, 100);
    // The display shows only every hundredth call: the final figures once.
    ShowFinalCounters(app);
}

void lblStart_Click(core::Application& app) {
    if (!app.frmMain.cmdScanNow->Enabled()) {
        return;
    }
    app.frmMain.cmdScan->Click();
    cmdScanNow_Click(app);
}

void cmdStop_Click(core::Application& app) {
    AskToStop(app, "MSG_STOP");
}
void lblStop_Click(core::Application& app) {
    AskToStop(app, "MSG_SURE");
}
void cmdPause_Click(core::Application& app) {
    Pause(app, *app.frmMain.cmdPause);
}
void lblPause_Click(core::Application& app) {
    Pause(app, *app.frmMain.lblPause);
}

void cmdRemove_Click(core::Application& app) {
    app.frmMain.cmdResults->Click();
}

void AttachScanRun(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.cmdScanNow->onClick = [&app] {
        cmdScanNow_Click(app);
    };
    main.lblStart->onClick = [&app] {
        lblStart_Click(app);
    };
    main.cmdStop->onClick = [&app] {
        cmdStop_Click(app);
    };
    main.lblStop->onClick = [&app] {
        lblStop_Click(app);
    };
    main.cmdPause->onClick = [&app] {
        cmdPause_Click(app);
    };
    main.lblPause->onClick = [&app] {
        lblPause_Click(app);
    };
    main.cmdRemove->onClick = [&app] {
        cmdRemove_Click(app);
    };
}

}  // namespace scan

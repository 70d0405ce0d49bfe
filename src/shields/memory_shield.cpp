#include "shields/memory_shield.h"

#include "base/text.h"
#include "core/application.h"
#include "core/background_timers.h"
#include "scan/memory_scan.h"
#include "scan/process_control.h"

namespace shields {

namespace {

// STOP: ends the very process that was found, not another of its name.
void cmdYes_Click(core::Application& app) {
    ui::FrmSpywareFoundAlert& alert = app.frmSpywareFoundAlert;
    alert.cmdYes->SetEnabled(false);
    app.shields.AlertAnswered = true;
    const std::string name = base::Trim(alert.lblAlertFileName->Caption());
    if (!scan::StopProcess(app.shields.alertProcess)) {
        app.ports.dialogs.ShowMessage(
            base::UpperCase(name) + " " + app.Message("MSG_ERROR_STOPPED"),
            app.branding.ProgramName, platform::MessageButtons::Ok,
            platform::MessageIcon::Information);
    }
    alert.Unload();
}

// ALLOW: the program is excluded from now on.
void cmdNO_Click(core::Application& app) {
    ui::FrmSpywareFoundAlert& alert = app.frmSpywareFoundAlert;
    app.shields.AlertAnswered = true;
    app.exclusions.AddExclusion(app.ports.fileSystem, app.ports.textCodec, app.ports.eventLoop,
                                app.DataFolder, base::Trim(alert.lblAlertFileName->Caption()));
    alert.Unload();
}

}  // namespace

void tmrMemoryInspected_Timer(core::Application& app) {
    ShieldState& state = app.shields;
    // 1.
    if (!base::TextToBool(app.ReadUserSetting("OptionAndSettings", "optMemorySheildOn", "True"))
             .value_or(false)) {
        return;
    }
    // A tick that arrives while a scan or another shield pass runs (an option
    // switched on meanwhile started the timer) would put the same program to
    // the user twice.
    if (scan::InScanMode(app) || state.passRunning) {
        return;
    }
    const PassGuard pass(state);
    // 2.
    core::ApplyTimerSettings(app, false);
    // 3.
    scan::RunMemoryScan(app);
    // 4.
    core::ApplyTimerSettings(app, true);
}

void ShowMemoryAlert(core::Application& app, std::string_view name, std::string_view company,
                     platform::HeldProcess* process) {
    ui::FrmSpywareFoundAlert& alert = app.frmSpywareFoundAlert;
    ShieldState& state = app.shields;
    // The program was closed while an earlier alert of this pass waited: no
    // window may come up after the others have gone.
    if (app.Ending()) {
        return;
    }
    alert.lblAlertCompanyName->SetCaption(
        base::Trim(company).empty() ? app.Message("MSG_NOCOMPANY") + " " + std::string(name)
                                    : base::UpperCase(company));
    alert.lblAlertFileName->SetCaption(base::UpperCase(name));
    state.alertProcess = process;
    state.AlertAnswered = false;
    alert.Show();
    // The window's own close control answers nothing but ends the wait too:
    // the program then keeps running and is asked about again next time.
    while (!state.AlertAnswered && alert.IsLoaded() && alert.Visible()) {
        app.ports.eventLoop.WaitForMessages();
    }
    // The pass lets go of the process when this returns.
    state.alertProcess = nullptr;
}

void AttachMemoryShield(core::Application& app) {
    app.frmMain.tmrMemoryInspected->onTimer = [&app] {
        tmrMemoryInspected_Timer(app);
    };
    app.ReportMemoryAlert = [&app](std::string_view name, std::string_view company,
                                   platform::HeldProcess* process) {
        ShowMemoryAlert(app, name, company, process);
    };
    ui::FrmSpywareFoundAlert& alert = app.frmSpywareFoundAlert;
    alert.onLoad = [&app] {
        ui::FrmSpywareFoundAlert& window = app.frmSpywareFoundAlert;
        window.SetCaption(app.branding.ProgramName);
        // A window loaded anew has its STOP button back, whatever the last
        // alert did with it.
        window.cmdYes->SetEnabled(true);
        window.tmrBlink->SetEnabled(true);
    };
    alert.cmdYes->onClick = [&app] {
        cmdYes_Click(app);
    };
    alert.cmdNO->onClick = [&app] {
        cmdNO_Click(app);
    };
}

}  // namespace shields

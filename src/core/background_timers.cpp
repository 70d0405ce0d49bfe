#include "core/background_timers.h"

#include "base/text.h"
#include "core/application.h"

namespace core {

namespace {

// A flag that does not read as true or false leaves the timer as it is.
void EnableByFlag(Application& app, ui::Timer& timer, std::string_view key) {
    if (const std::optional<bool> on =
            base::TextToBool(app.ReadUserSetting("OptionAndSettings", key, "True"))) {
        timer.SetEnabled(*on);
    }
}

}  // namespace

void ApplyTimerSettings(Application& app, bool on) {
    ui::FrmMain& main = app.frmMain;
    if (on) {
        main.tmrScheduler->SetEnabled(base::LeadingNumber(app.ReadUserSetting(
                                          "OptionAndSettings", "chkAutomaticScanYesOrNo", "0")) !=
                                      0);
        EnableByFlag(app, *main.tmrCheckHomePage, "optIEHomePageSheildOn");
        EnableByFlag(app, *main.tmrMemoryInspected, "optMemorySheildOn");
        return;
    }
    main.tmrCheckHomePage->SetEnabled(false);
    main.tmrMemoryInspected->SetEnabled(false);
    main.tmrScheduler->SetEnabled(false);
    main.tmrTimeOut->SetEnabled(false);
}

void ApplyWindowStateRule(Application& app) {
    ui::FrmMain& main = app.frmMain;
    if (main.State() == ui::WindowState::Normal) {
        main.tmrScroll->SetEnabled(true);
        main.tmrScheduler->SetEnabled(false);
        main.tmrMemoryInspected->SetEnabled(false);
        main.SetShownInTaskList(true);
        if (main.Visible()) {
            app.WriteUserSetting("Settings", "Minimized", "No");
        }
        return;
    }
    ApplyTimerSettings(app, true);
    main.tmrScroll->SetEnabled(false);
    main.SetShownInTaskList(false);
}

void AttachBackgroundTimers(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.onResize = [&app] {
        ApplyWindowStateRule(app);
    };
    main.tmrScroll->onTimer = [&app] {
        if (app.frmMain.State() == ui::WindowState::Normal) {
            app.ports.eventLoop.YieldToMessageLoop();
        }
    };
    main.tmrTimeOut->onTimer = [&app] {
        app.TimedOut = true;
    };
}

}  // namespace core

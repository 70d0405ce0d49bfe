#include "shields/home_page_shield.h"

#include "base/text.h"
#include "core/application.h"
#include "core/background_timers.h"
#include "scan/memory_scan.h"
#include "shields/browser_policy_shield.h"
#include "shields/extension_shield.h"
#include "shields/memory_shield.h"
#include "shields/registry_text.h"
#include "shields/startup_shield.h"

namespace shields {

namespace {

// A flag that does not read as true or false counts as off.
bool FlagIsOn(const core::Application& app, std::string_view key, std::string_view defaultValue) {
    return base::TextToBool(app.ReadUserSetting("OptionAndSettings", key, defaultValue))
        .value_or(false);
}

}  // namespace

std::string HomePageQuestion(const core::Application& app) {
    const ShieldState& state = app.shields;
    return app.branding.ProgramName + " has detected that your Homepage has been changed.\r\n\r\n" +
           "Click YES to keep your homepage as:\r\n" + state.rememberedPage + "\r\n\r\n" +
           "Click No to change your homepage to:\r\n" + state.currentPage;
}

void tmrCheckHomePage_Timer(core::Application& app) {
    ShieldState& state = app.shields;
    ui::FrmMain& main = app.frmMain;
    // A tick that arrives while a scan or another shield pass runs (an option
    // switched on meanwhile started the timer) waits for the next one.
    if (scan::InScanMode(app) || state.passRunning) {
        return;
    }
    // 1.
    ++state.HomePageTicks;
    if (state.HomePageTicks > 2) {
        state.HomePageTicks = 0;
        tmrMemoryInspected_Timer(app);
    }
    const PassGuard pass(state);
    // 2.
    core::ApplyTimerSettings(app, false);
    // 3.
    if (!FlagIsOn(app, "optIEHomePageSheildOn", "True")) {
        main.tmrCheckHomePage->SetEnabled(false);
    } else {
        // 4.
        main.tmrCheckHomePage->SetEnabled(false);
        // 5.
        state.currentPage = "about:blank";
        [[maybe_unused]] const bool read =
            ReadRegistryText(app.ports.registry, platform::RegistryRoot::CurrentUser, kStartPageKey,
                             kStartPageValue, state.currentPage);
        // 6.
        state.rememberedPage = app.ReadUserSetting("OptionAndSettings", "Homepage", "");
        if (state.rememberedPage.empty()) {
            state.rememberedPage = state.currentPage;
            app.WriteUserSetting("OptionAndSettings", "Homepage", state.rememberedPage);
        }
        // 7.
        if (state.rememberedPage != state.currentPage) {
            if (FlagIsOn(app, "optAlwaysnotifybeforerestoring", "True")) {
                ui::FrmHomePageChangedAlert& alert = app.frmHomePageChangedAlert;
                alert.lblHomePageInfo->SetCaption(HomePageQuestion(app));
                alert.ShowModal();
            } else if (FlagIsOn(app, "optRestoredefaultwithoutnotification", "False")) {
                RestoreHomePage(app);
            }
        }
        if (FlagIsOn(app, "optBrowserShieldOn", "True")) {
            CheckBrowserPolicies(app);
            CheckBrowserExtensions(app);
        } else {
            // Switched on again, it starts from what is there then.
            state.knownPolicies.reset();
            state.knownExtensions.reset();
        }
        CheckStartupPlaces(app);
    }
    // 8.
    core::ApplyTimerSettings(app, true);
}

void RestoreHomePage(core::Application& app) {
    const ShieldState& state = app.shields;
    app.WriteUserSetting("OptionAndSettings", "Homepage", state.rememberedPage);
    WriteRegistryValue(app.ports.registry, kStartPageKey, kStartPageValue, state.rememberedPage,
                       platform::reg_type::kString);
}

void AcceptHomePage(core::Application& app) {
    app.WriteUserSetting("OptionAndSettings", "Homepage", app.shields.currentPage);
}

void AttachHomePageShield(core::Application& app) {
    app.frmMain.tmrCheckHomePage->onTimer = [&app] {
        tmrCheckHomePage_Timer(app);
    };
    ui::FrmHomePageChangedAlert& alert = app.frmHomePageChangedAlert;
    alert.onLoad = [&app] {
        ui::FrmHomePageChangedAlert& window = app.frmHomePageChangedAlert;
        window.SetCaption(app.branding.ProgramName);
        window.lblFrmHomePageProductName->SetCaption(app.branding.ProgramName);
    };
    // The same alert asks about a browser extension, a browser policy or a
    // startup entry: Yes keeps it, No removes it.
    alert.cmdYes->onClick = [&app] {
        if (app.shields.askedExtension) {
            KeepAskedExtension(app);
        } else if (app.shields.askedPolicy) {
            KeepAskedPolicy(app);
        } else if (app.shields.askedStartupItem) {
            KeepAskedStartupItem(app);
        } else {
            RestoreHomePage(app);
        }
        app.frmHomePageChangedAlert.Unload();
    };
    alert.cmdNO->onClick = [&app] {
        const bool extension = app.shields.askedExtension.has_value();
        const bool policy = !extension && app.shields.askedPolicy.has_value();
        const bool startupItem = !extension && !policy && app.shields.askedStartupItem.has_value();
        if (!extension && !policy && !startupItem) {
            AcceptHomePage(app);
        }
        app.frmHomePageChangedAlert.Unload();
        // After the alert has gone, so that a failure is said on its own.
        if (extension) {
            RemoveAskedExtension(app);
        } else if (policy) {
            RemoveAskedPolicy(app);
        } else if (startupItem) {
            RemoveAskedStartupItem(app);
        }
    };
}

}  // namespace shields

#include "app/startup.h"

#include "app/drive_list.h"
#include "app/file_menu.h"
#include "app/help_launcher.h"
#include "app/load_settings.h"
#include "app/tray.h"
#include "base/text.h"
#include "core/application.h"
#include "core/background_timers.h"
#include "core/definition_counts.h"
#include "core/exclusions.h"
#include "core/file_predicates.h"
#include "core/pages.h"
#include "core/path_macros.h"
#include "core/status_page.h"
#include "definitions/staged_definitions.h"
#include "i18n/languages.h"
#include "removal/quarantine_delete.h"
#include "scheduler/schedule_settings.h"
#include "update/live_update.h"

namespace app {

namespace {

constexpr int kSplashCountdownEnd = 150;

void SplashLoad(core::Application& app) {
    app.branding = core::LoadBranding(app.ports.programFile);
    app.frmSplash.lblProductName->SetCaption(app.branding.ProgramName);
    app.frmSplash.lblCompanyName->SetCaption(app.branding.CompanyName);
    app.frmSplash.SetCaption(app.branding.ProgramName);
    app.splashCounter = 0;
    app.frmSplash.Timer2->SetEnabled(true);
}

void SplashTick(core::Application& app) {
    app.splashCounter += 2;
    if (app.splashCounter == kSplashCountdownEnd) {
        app.frmSplash.Timer2->SetEnabled(false);
        app.frmMain.Show();
        app.frmSplash.Hide();
    }
}

// Step 3: the stored language, over the built-in English messages; on a
// user's first start the language chooser.
void LoadLanguageAtStartup(core::Application& app) {
    const std::string savedLanguage = app.ReadUserSetting("Settings", "Language", "");
    auto catalogue = std::make_unique<i18n::clsLanguages>(app.ports.fileSystem, app.ports.textCodec,
                                                          app.ports.programFile.Folder(),
                                                          app.branding, app.DataFolder);
    catalogue->SetCurrentLanguage(app.ReadUserSetting("Settings", "Language", "English"));
    i18n::LoadBuiltInMessages(*catalogue);
    app.Catalogue = std::move(catalogue);
    app.Catalogue->ChangeLanguage(app.frmMain, app.Catalogue->CurrentLanguage());
    if (savedLanguage.empty()) {
        app.WriteUserSetting("Settings", "Language", "English");
        app.frmLanguage.ShowModal();
    }
}

// Step 21: on the first run on this machine, the offer to fetch definitions.
void OfferLiveUpdateOnFirstRun(core::Application& app) {
    const core::MachineSettingRead firstTime = app.ReadMachineSetting("Settings", "FirstTime", "");
    // A store that cannot be read is no sign of a first run.
    if (firstTime.Failed() || !firstTime.value.empty()) {
        return;
    }
    // Where the machine's store refuses this user, the user's own store
    // keeps the mark, so that the question comes once for each user.
    if (!app.ReadUserSetting("Settings", "FirstTime", "").empty()) {
        return;
    }
    if (!app.WriteMachineSetting("Settings", "FirstTime", "Yes")) {
        app.WriteUserSetting("Settings", "FirstTime", "Yes");
    }
    const std::string question = app.Message("MSG_THANK1") + "\r\n\r\n" +
                                 app.Message("MSG_THANK2") + "\r\n\r\n" + app.Message("MSG_THANK3");
    const platform::MessageAnswer answer = app.ports.dialogs.ShowMessage(
        question, app.Message("MSG_THANK4"), platform::MessageButtons::YesNo,
        platform::MessageIcon::Question);
    if (answer == platform::MessageAnswer::Yes) {
        update::cmdUpdate_Click(app);
    }
}

}  // namespace

void MainWindowStartup(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    platform::FileSystem& fs = app.ports.fileSystem;

    // 1. The data folder, made when it is missing: the first Live Update
    // has to write into it.
    std::string dataFolder = "[appdata]AntiSpywareDAT";
    app.DataFolder = core::ExpandPathMacros(dataFolder, app.ports.shellFolders);
    if (!core::DirectoryExists(fs, app.DataFolder)) {
        [[maybe_unused]] const bool made = fs.MakeDirectory(app.DataFolder);
    }
    // 2.
    main.SetIconResource("AAA");
    // 3.
    LoadLanguageAtStartup(app);
    // 4.
    main.SetIconResource(app.frmSplash.IconResource());
    // 5.
    if (app.ports.programFile.PreviousInstanceRunning()) {
        app.EndProcess();
        return;
    }
    // 6.
    definitions::PromoteDownloadedDefinitions(fs, app.DataFolder);
    app.exclusions.LoadExclusions(fs, app.ports.textCodec, app.ports.eventLoop, app.DataFolder);
    // 7.
    app.TotalDefinitionLines = definitions::CountDefinitions(fs, app.DataFolder, app.counts);
    // 8.
    core::RefreshStatusPage(app);
    // 9.
    app.exclusions.LoadExclusions(fs, app.ports.textCodec, app.ports.eventLoop, app.DataFolder);
    // 10.
    core::HideAllPages(app);
    main.frmStatus->SetCaption(app.branding.ProgramName + " Status");
    main.frmStatus->SetVisible(true);

    // From here on a failing step is passed over.
    // 11.
    if (app.ports.programFile.PreviousInstanceRunning()) {
        app.EndProcess();
        return;
    }
    // 12.
    app.WriteUserSetting("OptionAndSettings", "STATUS", "RUNNING");
    app.WriteUserSetting("OptionAndSettings", "RESTART", "False");
    // 13.
    app.frmHidden.Load();
    main.SetCaption(app.Message("MSG_CAPTION"));
    main.cmdWebsite->SetCaption(app.Message("MSG_WEBSITE"));
    main.shpCircle->SetVisible(false);
    main.SetShownInTaskList(false);
    // 14.
    core::ApplyTimerSettings(app, false);
    scheduler::LoadSchedule(app);
    FillDriveList(app);
    LoadSettings(app);
    // What the user asked the quarantine to keep no longer than some days.
    removal::PurgeOldQuarantine(app);
    // 15.
    main.tmrScroll->SetEnabled(false);
    core::ApplyTimerSettings(app, true);
    main.tmrScroll->SetEnabled(false);
    // 16.
    app.frmDelete.Load();
    app.frmDelete.Hide();
    // 17.
    main.Label22->SetCaption(app.Message("MSG_CAPTION2"));
    // 18.
    ShowHelpOnFirstUse(app);
    // 19.
    if (base::LeadingNumber(app.ReadUserSetting("OptionAndSettings", "chkAutomaticUpdate", "0")) ==
        1) {
        main.timUpdate->SetEnabled(true);
    }
    // 20.
    if (app.ReadUserSetting("Settings", "Minimized", "No") == "Yes") {
        SendToTray(app);
    } else if (core::IsEdition(app.branding, core::kEditionTrayAtStartup) &&
               main.chkRunAtStartup->Value() == 1) {
        SendToTray(app);
    }
    // 21.
    OfferLiveUpdateOnFirstRun(app);
}

void AttachStartup(core::Application& app) {
    app.frmSplash.onLoad = [&app] {
        SplashLoad(app);
    };
    app.frmSplash.Timer2->onTimer = [&app] {
        SplashTick(app);
    };
    app.frmMain.onLoad = [&app] {
        MainWindowStartup(app);
    };
}

}  // namespace app

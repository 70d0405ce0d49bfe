#include "core/startup.h"

#include "core/application.h"
#include "core/pages.h"
#include "core/path_macros.h"
#include "core/user_settings.h"
#include "ui/timer.h"

namespace core {

namespace {

constexpr int kSplashCountdownEnd = 150;

void SplashLoad(Application& app) {
    app.branding = LoadBranding(app.ports.programFile);
    app.frmSplash.lblProductName->SetCaption(app.branding.ProgramName);
    app.frmSplash.lblCompanyName->SetCaption(app.branding.CompanyName);
    app.frmSplash.SetCaption(app.branding.ProgramName);
    app.splashCounter = 0;
    app.frmSplash.Timer2->SetEnabled(true);
}

void SplashTick(Application& app) {
    app.splashCounter += 2;
    if (app.splashCounter == kSplashCountdownEnd) {
        app.frmSplash.Timer2->SetEnabled(false);
        app.frmMain.Show();
        app.frmSplash.Hide();
    }
}

// Step 3: the language of the saved setting, with the built-in English
// messages underneath.
void LoadLanguageAtStartup(Application& app) {
    platform::Registry& registry = app.ports.registry;
    const std::string savedLanguage =
        ReadUserSetting(registry, app.AppName(), "Settings", "Language", "");
    app.Catalogue = std::make_unique<i18n::clsLanguages>(
        app.ports.fileSystem, app.ports.textCodec, app.ports.programFile.Folder(), app.branding);
    app.Catalogue->SetCurrentLanguage(
        ReadUserSetting(registry, app.AppName(), "Settings", "Language", "English"));
    i18n::LoadBuiltInMessages(*app.Catalogue);
    app.Catalogue->ChangeLanguage(app.frmMain, app.Catalogue->CurrentLanguage());
    if (savedLanguage.empty()) {
        WriteUserSetting(registry, app.AppName(), "Settings", "Language", "English");
    }
}

}  // namespace

void MainWindowStartup(Application& app) {
    ui::FrmMain& main = app.frmMain;

    // 1. The data folder.
    std::string dataFolder = "[appdata]AntiSpywareDAT";
    app.DataFolder = ExpandPathMacros(dataFolder, app.ports.shellFolders);

    // 2. The window's icons.
    main.SetIconResource("AAA");

    // 3. Language.
    LoadLanguageAtStartup(app);

    // 10. The status page.
    HideAllPages(app);
    main.frmStatus->SetCaption(app.branding.ProgramName + " Status");
    main.frmStatus->SetVisible(true);

    // 13. Captions that carry the brand.
    main.SetCaption(app.Message("MSG_CAPTION"));

    // 17. The banner's welcome.
    main.Label22->SetCaption(app.Message("MSG_CAPTION2"));
}

void AttachStartup(Application& app) {
    app.frmSplash.onLoad = [&app] {
        SplashLoad(app);
    };
    app.frmSplash.Timer2->onTimer = [&app] {
        SplashTick(app);
    };
    app.frmMain.onLoad = [&app] {
        MainWindowStartup(app);
    };
    app.frmMain.onUnload = [&app] {
        app.frmSplash.Unload();
        app.ports.eventLoop.Quit(0);
    };
}

}  // namespace core

#include "app/help_launcher.h"

#include "core/application.h"
#include "core/file_predicates.h"

namespace app {

void AttachHelpLauncher(core::Application& app) {
    app.form8.onLoad = [&app] {
        const std::string helpFile = app.ports.programFile.Folder() + "\\Help.chm";
        if (!core::FileExists(app.ports.fileSystem, helpFile)) {
            return;
        }
        [[maybe_unused]] const bool opened =
            app.ports.shell.Execute("open", helpFile, "", "", platform::WindowShow::Normal);
        app.WriteMachineSetting("Settings", "showHelp", "0");
    };
    // Unloaded again at once, so that every use of the menu opens the file.
    app.frmMain.mnuHelpItem[ui::FrmMain::kHelpContents]->onClick = [&app] {
        app.form8.Show();
        app.form8.Unload();
    };
}

void ShowHelpOnFirstUse(core::Application& app) {
    if (app.ReadUserSetting("Settings", "showHelp", "1") != "1") {
        return;
    }
    app.form8.Load();
    app.form8.Show();
    app.ports.eventLoop.YieldToMessageLoop();
    app.form8.Unload();
    app.WriteUserSetting("Settings", "showHelp", "0");
}

}  // namespace app

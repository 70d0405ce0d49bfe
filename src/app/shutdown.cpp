#include "app/shutdown.h"

#include <array>
#include <string_view>

#include "app/load_settings.h"
#include "core/application.h"

namespace app {

namespace {

// The windows that close with the main window, in this order.
constexpr std::array<std::string_view, 12> kClosedWithTheMainWindow{
    "Form8",        "frmAbout",  "frmDownload",         "frmHomePageChangedAlert",
    "frmMenuPopUp", "frmReport", "frmSignatureUpdated", "frmSpywareFoundAlert",
    "frmHidden",    "frmDelete", "frmQuarantine",       "frmRestoreQuestion"};

void RecordStopped(core::Application& app) {
    app.WriteUserSetting("OptionAndSettings", "RESTART", "False");
    app.WriteUserSetting("OptionAndSettings", "STATUS", "STOPPED");
    app.tray.RemoveIcon(app.frmMain);
}

}  // namespace

void QueryUnloadStep(core::Application& app) {
    RecordStopped(app);
}

void UnloadStep(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    // 1.
    const ui::ListView& found = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    for (int column = 0; column < found.ColumnCount(); ++column) {
        app.WriteUserSetting("Settings", "FoundCol2" + std::to_string(column + 1),
                             std::to_string(found.Column(column).width * kTwipsPerPixel));
    }
    // 2.
    app.WriteUserSetting("Settings", "Max", main.State() == ui::WindowState::Maximized ? "1" : "0");
    // 3.
    main.SetWindowState(ui::WindowState::Minimized);
    main.Hide();
    // 4.
    for (std::string_view name : kClosedWithTheMainWindow) {
        if (ui::Form* window = app.FormNamed(name)) {
            window->Unload();
        }
    }
    // 5.
    if (app.frmWebsite.Visible()) {
        app.ExitWhenWebsiteCloses = true;
        return;
    }
    app.EndProcess();
}

void ExitFromTray(core::Application& app) {
    RecordStopped(app);
    app.frmMain.Unload();
}

void AttachShutdown(core::Application& app) {
    app.ExitProgram = [&app] {
        ExitFromTray(app);
    };
    ui::FrmMain& main = app.frmMain;
    main.onQueryUnload = [&app](ui::UnloadMode) {
        QueryUnloadStep(app);
        return false;
    };
    main.onUnload = [&app] {
        UnloadStep(app);
    };
    // "X" takes the program down without recording that it stopped.
    main.lblHide->onClick = [&app] {
        UnloadStep(app);
    };
}

}  // namespace app

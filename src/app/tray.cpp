#include "app/tray.h"

#include "core/application.h"
#include "shell/menu_pop_up.h"

namespace app {

void SendToTray(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.SetWindowState(ui::WindowState::Minimized);
    main.Hide();
    // Loading the pop-up slides it in.
    app.frmMenuPopUp.Load();
    app.frmMenuPopUp.mnuMaxmimaize->SetEnabled(true);
    app.tray.ShowIcon(main);
    app.tray.ChangeToolTip(main, app.branding.ProgramName);
    app.WriteUserSetting("Settings", "Minimized", "Yes");
}

void RestoreFromTray(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    // Shown first, so that the return to the normal state is seen as the
    // window's own and remembered for the next start.
    main.Show();
    main.SetWindowState(ui::WindowState::Normal);
    main.BringToFront();
}

void AttachTray(core::Application& app) {
    app.RestoreMainWindow = [&app] {
        RestoreFromTray(app);
    };
    ui::FrmMain& main = app.frmMain;
    main.Command5->onClick = [&app] {
        SendToTray(app);
    };
    main.onTrayMessage = [&app](int mouseMessage) {
        switch (mouseMessage) {
            case kLeftButtonDown:
            case kRightButtonDown:
                shell::ShowMenuPopUp(app);
                break;
            case kLeftDoubleClick:
            case kRightDoubleClick:
                RestoreFromTray(app);
                app.frmMenuPopUp.Hide();
                break;
            default:
                break;
        }
    };
}

}  // namespace app

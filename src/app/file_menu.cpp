#include "app/file_menu.h"

#include "app/tray.h"
#include "core/application.h"
#include "report/report_window.h"
#include "update/live_update.h"

namespace app {

void AttachFileMenu(core::Application& app) {
    auto& items = app.frmMain.mnuFileItem;
    items[ui::FrmMain::kFileScanNow]->onClick = [&app] {
        app.frmMain.cmdScan->Click();
    };
    items[ui::FrmMain::kFileViewLog]->onClick = [&app] {
        report::cmdLog_Click(app);
    };
    items[ui::FrmMain::kFileRunLiveUpdate]->onClick = [&app] {
        update::cmdUpdate_Click(app);
    };
    items[ui::FrmMain::kFileMinimizeToTray]->onClick = [&app] {
        SendToTray(app);
    };
    items[ui::FrmMain::kFileExit]->onClick = [&app] {
        app.frmMain.Unload();
    };
    app.frmMain.lblExit->onClick = [&app] {
        app.frmMain.Unload();
    };
}

}  // namespace app

#include "core/pages.h"

#include "core/application.h"
#include "ui/tab_strip.h"

namespace core {

namespace {

void ShowPage(Application& app, ui::Frame& page) {
    HideAllPages(app);
    page.SetVisible(true);
}

// Tab i shows frmView(i - 1) and hides the others.
void ShowSelectedTab(ui::FrmMain& main) {
    const int selected = main.TabStrip1->SelectedTab();
    for (int i = 0; i < static_cast<int>(main.frmView.size()); ++i) {
        main.frmView[i]->SetVisible(i == selected - 1);
    }
}

}  // namespace

void HideAllPages(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.frmOptions->SetVisible(false);
    main.frmScan->SetVisible(false);
    main.frmResults->SetVisible(false);
    main.frmStatus->SetVisible(false);
    main.pgbDeleteSpywaresFound->SetVisible(false);
    main.lblDeletingPercentageCompleted->SetVisible(false);
    main.lblDeletingCaption->SetVisible(false);
}

void AttachPageSwitching(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.cmdStatus->onClick = [&app] {
        ShowPage(app, *app.frmMain.frmStatus);
    };
    main.cmdScan->onClick = [&app] {
        ShowPage(app, *app.frmMain.frmScan);
    };
    main.cmdResults->onClick = [&app] {
        ShowPage(app, *app.frmMain.frmResults);
        // Nothing left to remove: the names of what runs are sent now, as
        // after a removal.
        ui::FrmMain& shown = app.frmMain;
        if (shown.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount() == 0 &&
            shown.chkSendData->Value() == 1 && app.SubmitAnonymousData) {
            app.SubmitAnonymousData();
        }
    };
    main.cmdSettings->onClick = [&app] {
        ShowPage(app, *app.frmMain.frmOptions);
    };
    main.TabStrip1->onClick = [&main] {
        ShowSelectedTab(main);
    };
}

}  // namespace core

#include "shell/about_window.h"

#include <sqlite3.h>

#include <string>

#include "core/application.h"

namespace shell {

namespace {

void frmAbout_Load(core::Application& app) {
    ui::FrmAbout& about = app.frmAbout;
    const platform::VersionResource version = app.ports.programFile.ReadVersionResource();
    about.SetCaption("About " + app.branding.ProgramName);
    about.lblProductName->SetCaption(app.branding.ProgramName);
    about.lblCompanyName->SetCaption(app.branding.CompanyName);
    about.lblVersion->SetCaption(std::to_string(version.major) + "." +
                                 std::to_string(version.minor));
    // The library's own answer, not its header's: the one that reads the
    // browsers' stores.
    about.lblSqliteVersion->SetCaption(std::string("SQLite ") + sqlite3_libversion());
    about.lblWebsite->SetCaption(app.branding.Website);
    // Their licence asks for the credit wherever the program uses them.
    about.lblDefinitionsCredit->SetCaption(app.Message("MSG_EXTENSION_DEFINITIONS_CREDIT"));
    about.lblUpdateKey->SetCaption(app.PublisherKey ? "" : app.Message("MSG_UPDATES_UNSIGNED"));
}

}  // namespace

void AttachAboutWindow(core::Application& app) {
    ui::FrmAbout& about = app.frmAbout;
    about.onLoad = [&app] {
        frmAbout_Load(app);
    };
    about.lblWebsite->onClick = [&app] {
        app.frmWebsite.Show();
    };
    about.cmdOK->onClick = [&about] {
        about.Unload();
    };
    app.frmMain.mnuHelpItem[ui::FrmMain::kHelpAbout]->onClick = [&about] {
        about.Show();
    };
}

}  // namespace shell

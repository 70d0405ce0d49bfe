#include "core/status_page.h"

#include "core/application.h"
#include "core/date_time_text.h"
#include "core/definition_check.h"
#include "core/definitions_date.h"

namespace core {

void RefreshStatusPage(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.lblDefCount->SetCaption(UserNumberText(app.ports.localeFormats, app.TotalDefinitionLines));
    const platform::VersionResource version = app.ports.programFile.ReadVersionResource();
    main.lblVersion->SetCaption(std::to_string(version.major) + "." +
                                std::to_string(version.minor));
    // After a scan found the set incomplete (and deleted it) the date would
    // pretend that definitions are installed.
    if (app.scan.definitionFilesMissing &&
        !definitions::DefinitionFilesPresent(app.ports.fileSystem, app.DataFolder)) {
        main.lblDefVersion->SetCaption(app.Message("MSG_MISSINGFILES"));
    } else {
        main.lblDefVersion->SetCaption(
            UserDateTextOf(app.ports.localeFormats,
                           definitions::ReadDefinitionsDate(app.ports.fileSystem, app.DataFolder)) +
            " PST");
    }
    main.lblDefRemoved->SetCaption(app.ReadUserSetting("Settings", "lblDefRemoved", "0"));
    // The times are stored in the fixed form and shown in the user's.
    main.lblLastScan->SetCaption(UserDateTextOf(
        app.ports.localeFormats, app.ReadUserSetting("Settings", "lblLastScan", "Never")));
    main.lblLastFullScan->SetCaption(UserDateTextOf(
        app.ports.localeFormats, app.ReadUserSetting("Settings", "lblLastFullScan", "Never")));
}

}  // namespace core

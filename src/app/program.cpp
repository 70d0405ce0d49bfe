#include "app/program.h"

#include "app/drive_list.h"
#include "app/file_menu.h"
#include "app/help_launcher.h"
#include "app/option_handlers.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/tray.h"
#include "core/application.h"
#include "core/background_timers.h"
#include "core/pages.h"
#include "i18n/language_window.h"
#include "removal/exclude_command.h"
#include "removal/quarantine_window.h"
#include "removal/removal_run.h"
#include "report/report_window.h"
#include "scan/finding_lists.h"
#include "scan/scan_run.h"
#include "scheduler/scheduler.h"
#include "shell/about_window.h"
#include "shell/menu_pop_up.h"
#include "shell/update_notice.h"
#include "shell/website_window.h"
#include "shields/shields.h"
#include "submit/data_submission.h"
#include "update/live_update.h"
#include "update/publisher_key.h"

namespace app {

void AttachProgram(core::Application& app) {
    app.PublisherKey = update::PublisherKeyOfBuild();

    // The program as a whole: starting, its pages and timers, its options,
    // the tray, the File menu, ending, and help.
    AttachStartup(app);
    core::AttachPageSwitching(app);
    core::AttachBackgroundTimers(app);
    AttachOptionHandlers(app);
    AttachDriveList(app);
    AttachTray(app);
    AttachFileMenu(app);
    AttachShutdown(app);
    AttachHelpLauncher(app);

    // The subsystems.
    i18n::AttachLanguageWindow(app);
    shell::AttachWebsiteWindow(app);
    shell::AttachMenuPopUp(app);
    shell::AttachUpdateNotice(app);
    shell::AttachAboutWindow(app);
    scan::AttachScanRun(app);
    scan::AttachFindingLists(app);
    removal::AttachExcludeCommand(app);
    removal::AttachRemoval(app);
    removal::AttachQuarantineWindow(app);
    report::AttachReportWindow(app);
    update::AttachLiveUpdate(app);
    scheduler::AttachScheduler(app);
    shields::AttachShields(app);
    submit::AttachDataSubmission(app);

    // The main window's buttons that only open another window.
    app.frmMain.cmdLog->onClick = [&app] {
        report::cmdLog_Click(app);
    };
    app.frmMain.lblViewLogFile->onClick = [&app] {
        report::lblViewLogFile_Click(app);
    };
    app.frmMain.cmdWebsite->onClick = [&app] {
        app.frmWebsite.Show();
    };
    app.frmDelete.Command1->onClick = [&app] {
        app.frmDelete.Hide();
    };
}

}  // namespace app

#include "core/application.h"

#include "app/drive_list.h"
#include "app/file_menu.h"
#include "app/help_launcher.h"
#include "app/option_handlers.h"
#include "app/shutdown.h"
#include "app/startup.h"
#include "app/tray.h"
#include "base/text.h"
#include "core/background_timers.h"
#include "core/pages.h"
#include "core/user_settings.h"
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

namespace core {

namespace {

// A refused machine-wide write asks the user, unless the user asked us
// before to stop asking. A standard user is refused every such write, so
// the question comes once for each user: a later refusal ends its write
// quietly, unless the user is retrying it.
class PermissionDialog : public PermissionQuestion {
public:
    explicit PermissionDialog(Application& app) : m_app(app) {}

    platform::MessageAnswer AskAboutRefusedWrite() override {
        if (m_app.ReadUserSetting("Settings", "IgnorePermissionDeniedError", "0") == "1") {
            return platform::MessageAnswer::Ignore;
        }
        if (!m_retrying && m_app.ReadUserSetting("Settings", "PermissionDeniedShown", "0") == "1") {
            return platform::MessageAnswer::Abort;
        }
        const std::string text =
            m_app.branding.ProgramName +
            " requires read/write access to the system registry and hard drive in order to run "
            "properly.  This user account does not have the proper permissions set.  As a "
            "result some or all of your settings may not be properly saved.  Please contact your "
            "system administrator or change the permission settings for this account.\r\n\r\n"
            "If you would like to prevent this error message from being displayed again, please "
            "press 'Ignore'.";
        const platform::MessageAnswer answer = m_app.ports.dialogs.ShowMessage(
            text, "Permission Denied", platform::MessageButtons::AbortRetryIgnore,
            platform::MessageIcon::Exclamation);
        m_app.WriteUserSetting("Settings", "PermissionDeniedShown", "1");
        if (answer == platform::MessageAnswer::Ignore) {
            m_app.WriteUserSetting("Settings", "IgnorePermissionDeniedError", "1");
        }
        m_retrying = answer == platform::MessageAnswer::Retry;
        return answer;
    }

private:
    Application& m_app;
    bool m_retrying = false;
};

}  // namespace

Application::Application(platform::Platform& platformPorts)
    : ports(platformPorts),
      forms(platformPorts.eventLoop),
      tray(platformPorts.notifyIcon),
      frmSplash(forms),
      frmMain(forms),
      frmHidden(forms),
      frmDelete(forms),
      form8(forms),
      frmLanguage(forms),
      frmWebsite(forms),
      frmReport(forms),
      frmDownload(forms),
      frmSignatureUpdated(forms),
      frmHomePageChangedAlert(forms),
      frmSpywareFoundAlert(forms),
      frmMenuPopUp(forms),
      frmAbout(forms),
      frmQuarantine(forms),
      frmRestoreQuestion(forms) {
    for (ui::Form* form : std::initializer_list<ui::Form*>{
             &frmSplash, &frmMain, &frmHidden, &frmDelete, &form8, &frmLanguage, &frmWebsite,
             &frmReport, &frmDownload, &frmSignatureUpdated}) {
        RegisterForm(*form);
    }
    RegisterForm(frmHomePageChangedAlert);
    RegisterForm(frmSpywareFoundAlert);
    RegisterForm(frmMenuPopUp);
    RegisterForm(frmAbout);
    RegisterForm(frmQuarantine);
    RegisterForm(frmRestoreQuestion);
    PublisherKey = update::PublisherKeyOfBuild();
    RestoreMainWindow = [this] {
        app::RestoreFromTray(*this);
    };
    ExitProgram = [this] {
        app::ExitFromTray(*this);
    };
    app::AttachStartup(*this);
    AttachPageSwitching(*this);
    AttachBackgroundTimers(*this);
    app::AttachOptionHandlers(*this);
    app::AttachDriveList(*this);
    app::AttachTray(*this);
    app::AttachFileMenu(*this);
    app::AttachShutdown(*this);
    app::AttachHelpLauncher(*this);
    i18n::AttachLanguageWindow(*this);
    shell::AttachWebsiteWindow(*this);
    shell::AttachMenuPopUp(*this);
    shell::AttachUpdateNotice(*this);
    shell::AttachAboutWindow(*this);
    scan::AttachScanRun(*this);
    scan::AttachFindingLists(*this);
    removal::AttachExcludeCommand(*this);
    removal::AttachRemoval(*this);
    removal::AttachQuarantineWindow(*this);
    report::AttachReportWindow(*this);
    update::AttachLiveUpdate(*this);
    scheduler::AttachScheduler(*this);
    shields::AttachShields(*this);
    submit::AttachDataSubmission(*this);
    frmMain.cmdLog->onClick = [this] {
        report::cmdLog_Click(*this);
    };
    frmMain.lblViewLogFile->onClick = [this] {
        report::lblViewLogFile_Click(*this);
    };
    frmMain.cmdWebsite->onClick = [this] {
        frmWebsite.Show();
    };
    frmDelete.Command1->onClick = [this] {
        frmDelete.Hide();
    };
}

Application::~Application() = default;

void Application::Start() {
    frmSplash.Show();
}

void Application::EndProcess() {
    m_ending = true;
    for (ui::Form* form : m_forms) {
        form->Hide();
    }
    ports.eventLoop.Quit(0);
}

std::string Application::Message(std::string_view key) const {
    return Catalogue ? Catalogue->getMessages(key) : std::string();
}

std::string Application::ReadUserSetting(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) const {
    return core::ReadUserSetting(ports.registry, AppName(), section, key, defaultValue);
}

void Application::WriteUserSetting(std::string_view section, std::string_view key,
                                   std::string_view value) {
    core::WriteUserSetting(ports.registry, AppName(), section, key, value);
}

MachineSettingRead Application::ReadMachineSetting(std::string_view section, std::string_view key,
                                                   std::string_view defaultValue) const {
    return core::ReadMachineSetting(ports.registry, branding.CompanyName, AppName(), section, key,
                                    defaultValue);
}

bool Application::WriteMachineSetting(std::string_view section, std::string_view key,
                                      std::string_view value) {
    PermissionDialog question(*this);
    return core::WriteMachineSetting(ports.registry, question, branding.CompanyName, AppName(),
                                     section, key, value);
}

ui::Form* Application::FormNamed(std::string_view name) const {
    for (ui::Form* form : m_forms) {
        if (base::EqualsIgnoreCase(form->Name(), name)) {
            return form;
        }
    }
    return nullptr;
}

void Application::RegisterForm(ui::Form& form) {
    m_forms.push_back(&form);
}

}  // namespace core

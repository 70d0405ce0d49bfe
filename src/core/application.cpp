#include "core/application.h"

#include "base/text.h"
#include "core/user_settings.h"

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

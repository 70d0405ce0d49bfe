#include "core/run_at_startup.h"

#include "core/application.h"
#include "core/text.h"

namespace core {

namespace {

bool IsVistaOrLater(platform::OsVersion& osVersion) {
    const platform::OsVersionInfo version = osVersion.Read();
    return version.platformId == platform::kPlatformWin32Nt && version.majorVersion > 5;
}

void ExplainStartupTool(Application& app) {
    platform::Dialogs& dialogs = app.ports.dialogs;
    const platform::MessageAnswer answer = dialogs.ShowMessage(
        "Windows Vista requires special administrative rights to add programs to the Run At "
        "Startup list.  In order to have this program run at startup you will need to launch a "
        "separate program, called the RunAtStartupTool.exe, as an administrator.  If you would "
        "like instructions for doing so, please press OK.  Otherwise press cancel.",
        "Vista Detected", platform::MessageButtons::OkCancel, platform::MessageIcon::None);
    if (answer != platform::MessageAnswer::Ok) {
        return;
    }
    dialogs.ShowMessage(
        "When you click OK a windows explorer window will open.  You will see a file called "
        "RunAtStartupTool.exe in that folder.\r\n\r\nRight click on it and select 'Run As "
        "Administrator'.  Then follow the instructions on the tool to add this program to the "
        "windows startup list.",
        "Startup Tool", platform::MessageButtons::Ok, platform::MessageIcon::None);
    [[maybe_unused]] const bool started = app.ports.shell.StartCommandLine(
        "explorer " + app.ports.programFile.Folder(), platform::WindowShow::Normal);
}

}  // namespace

std::string RunEntryCommand(std::string_view programPath) {
    return "\"" + std::string(programPath) + "\"";
}

void RunAtStartupChanged(Application& app) {
    // 1.
    if (IsVistaOrLater(app.ports.osVersion)) {
        ExplainStartupTool(app);
        return;
    }
    // 2.
    app.WriteUserSetting("OptionAndSettings", "chkRunAtStartup",
                         std::to_string(app.frmMain.chkRunAtStartup->Value()));
    const bool runAtStartup =
        LeadingNumber(app.ReadUserSetting("OptionAndSettings", "chkRunAtStartup", "1")) == 1;
    platform::RegistryOpenResult run = app.ports.registry.CreateKey(
        platform::RegistryRoot::LocalMachine, kRunKey, platform::reg_access::kWrite);
    if (run.status != platform::reg_status::kOk) {
        return;
    }
    const std::string valueName = app.ports.programFile.BaseName();
    if (runAtStartup) {
        [[maybe_unused]] const long set = run.key->SetValue(
            valueName, platform::StringValue(RunEntryCommand(app.ports.programFile.Path())));
    } else {
        [[maybe_unused]] const long deleted = run.key->DeleteValue(valueName);
    }
}

}  // namespace core

#include "core/run_at_startup.h"

#include "base/text.h"
#include "core/application.h"

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

std::optional<std::string> ReadRunEntry(platform::Registry& registry, std::string_view valueName) {
    platform::RegistryOpenResult run = registry.OpenKey(platform::RegistryRoot::LocalMachine,
                                                        kRunKey, platform::reg_access::kRead);
    if (run.status != platform::reg_status::kOk) {
        return std::nullopt;
    }
    platform::RegistryValue value;
    if (run.key->QueryValue(valueName, value) != platform::reg_status::kOk ||
        (value.type != platform::reg_type::kString &&
         value.type != platform::reg_type::kExpandString)) {
        return std::nullopt;
    }
    std::string text = std::move(value.data);
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos) {
        text.resize(nul);
    }
    return text;
}

long WriteRunEntry(platform::Registry& registry, std::string_view valueName,
                   std::string_view programPath) {
    platform::RegistryOpenResult run = registry.CreateKey(platform::RegistryRoot::LocalMachine,
                                                          kRunKey, platform::reg_access::kWrite);
    if (run.status != platform::reg_status::kOk) {
        return run.status;
    }
    return run.key->SetValue(valueName, platform::StringValue(RunEntryCommand(programPath)));
}

long DeleteRunEntry(platform::Registry& registry, std::string_view valueName) {
    platform::RegistryOpenResult run = registry.OpenKey(platform::RegistryRoot::LocalMachine,
                                                        kRunKey, platform::reg_access::kSetValue);
    if (run.status == platform::reg_status::kNotFound) {
        return platform::reg_status::kOk;
    }
    if (run.status != platform::reg_status::kOk) {
        return run.status;
    }
    const long deleted = run.key->DeleteValue(valueName);
    return deleted == platform::reg_status::kNotFound ? platform::reg_status::kOk : deleted;
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
        base::LeadingNumber(app.ReadUserSetting("OptionAndSettings", "chkRunAtStartup", "1")) == 1;
    const std::string valueName = app.ports.programFile.BaseName();
    if (runAtStartup) {
        [[maybe_unused]] const long set =
            WriteRunEntry(app.ports.registry, valueName, app.ports.programFile.Path());
    } else {
        [[maybe_unused]] const long deleted = DeleteRunEntry(app.ports.registry, valueName);
    }
}

}  // namespace core

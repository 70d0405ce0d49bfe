#include "startup_tool/run_at_startup_tool.h"

#include <optional>
#include <utility>

#include "core/file_predicates.h"
#include "core/run_at_startup.h"
#include "core/user_settings.h"

namespace startup_tool {

namespace {

// Where the setup records the program, below the product's name.
constexpr std::string_view kUninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

}  // namespace

RunAtStartupTool::RunAtStartupTool(platform::Platform& ports, ui::FormContext& forms,
                                   std::string programBaseName)
    : window(forms), m_ports(ports), m_valueName(std::move(programBaseName)) {
    window.onLoad = [this] {
        Load();
    };
    window.onUnload = [this] {
        m_ports.eventLoop.Quit(0);
    };
    window.cmdAdd->onClick = [this] {
        Add();
    };
    window.cmdRemove->onClick = [this] {
        Remove();
    };
    window.cmdClose->onClick = [this] {
        window.Unload();
    };
}

void RunAtStartupTool::Start() {
    window.Show();
}

std::string RunAtStartupTool::Message(std::string_view key) const {
    return m_catalogue->getMessages(key);
}

void RunAtStartupTool::Load() {
    // The tool carries the program's brand in its own version resource, and
    // speaks the language the user chose in the program. Run elevated by
    // another account, it finds no choice and speaks the catalogue's English.
    m_branding = core::LoadBranding(m_ports.programFile);
    std::string language = core::ReadUserSetting(m_ports.registry, m_branding.ProgramName,
                                                 "Settings", "Language", i18n::kFallbackLanguage);
    if (language.empty()) {
        language = i18n::kFallbackLanguage;
    }
    m_catalogue = std::make_unique<i18n::clsLanguages>(m_ports.fileSystem, m_ports.textCodec,
                                                       m_ports.programFile.Folder(), m_branding);
    i18n::LoadBuiltInMessages(*m_catalogue);
    m_catalogue->ChangeLanguage(window, language);

    if (const std::optional<std::string> folder = InstalledFolder()) {
        m_programPath = *folder + "\\" + m_valueName + ".exe";
    }

    window.SetCaption(Message("MSG_STARTUP_TITLE"));
    window.lblExplain->SetCaption(Message("MSG_STARTUP_EXPLAIN"));
    window.lblCommand->SetCaption(m_programPath.empty() ? std::string()
                                                        : core::RunEntryCommand(m_programPath));
    ShowState();
}

std::optional<std::string> RunAtStartupTool::InstalledFolder() const {
    platform::RegistryOpenResult record = m_ports.registry.OpenKey(
        platform::RegistryRoot::LocalMachine,
        std::string(kUninstallKey) + "\\" + m_branding.ProgramName, platform::reg_access::kRead);
    platform::RegistryValue value;
    if (m_branding.ProgramName.empty() || record.status != platform::reg_status::kOk ||
        record.key->QueryValue("InstallLocation", value) != platform::reg_status::kOk ||
        value.type != platform::reg_type::kString) {
        return std::nullopt;
    }
    std::string folder = value.data.substr(0, value.data.find('\0'));
    while (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    // Only a full local path names one folder for every user.
    if (folder.size() < 3 || folder[1] != ':' || folder[2] != '\\') {
        return std::nullopt;
    }
    return folder;
}

std::string_view RunAtStartupTool::ReasonNotToAdd() const {
    if (m_programPath.empty()) {
        return "MSG_STARTUP_NOTINSTALLED";
    }
    // An entry that starts nothing would only fail at every logon.
    if (!core::FileExists(m_ports.fileSystem, m_programPath)) {
        return "MSG_STARTUP_NOPROGRAM";
    }
    // What a user may replace would run with every user's rights.
    const std::string folder = m_programPath.substr(0, m_programPath.rfind('\\'));
    if (m_ports.fileSystem.WhoMayWrite(folder) != platform::WriteAccess::AdministratorsOnly ||
        m_ports.fileSystem.WhoMayWrite(m_programPath) !=
            platform::WriteAccess::AdministratorsOnly) {
        return "MSG_STARTUP_UNSAFE";
    }
    return {};
}

void RunAtStartupTool::ShowState() {
    const std::optional<std::string> entry = core::ReadRunEntry(m_ports.registry, m_valueName);
    const std::string wanted = core::RunEntryCommand(m_programPath);
    if (!entry) {
        window.lblState->SetCaption(Message("MSG_STARTUP_OFF"));
    } else if (*entry == wanted) {
        window.lblState->SetCaption(Message("MSG_STARTUP_ON"));
    } else {
        window.lblState->SetCaption(Message("MSG_STARTUP_OTHER") + " " + *entry);
    }
    window.cmdAdd->SetEnabled(entry != wanted);
    window.cmdRemove->SetEnabled(entry.has_value());
}

void RunAtStartupTool::Add() {
    if (const std::string_view reason = ReasonNotToAdd(); !reason.empty()) {
        window.lblResult->SetCaption(Message(reason));
        ShowState();
        return;
    }
    const long status = core::WriteRunEntry(m_ports.registry, m_valueName, m_programPath);
    window.lblResult->SetCaption(
        Message(status == platform::reg_status::kOk ? "MSG_STARTUP_ADDED" : "MSG_STARTUP_DENIED"));
    ShowState();
}

void RunAtStartupTool::Remove() {
    const long status = core::DeleteRunEntry(m_ports.registry, m_valueName);
    window.lblResult->SetCaption(Message(
        status == platform::reg_status::kOk ? "MSG_STARTUP_REMOVED" : "MSG_STARTUP_DENIED"));
    ShowState();
}

}  // namespace startup_tool

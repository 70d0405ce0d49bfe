#include "startup_tool/run_at_startup_tool.h"

#include <optional>
#include <utility>

#include "core/file_predicates.h"
#include "core/run_at_startup.h"
#include "core/user_settings.h"

namespace startup_tool {

RunAtStartupTool::RunAtStartupTool(platform::Platform& ports, ui::FormContext& forms,
                                   std::string programBaseName)
    : window(forms),
      m_ports(ports),
      m_valueName(std::move(programBaseName)),
      m_programPath(ports.programFile.Folder() + "\\" + m_valueName + ".exe") {
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

    window.SetCaption(Message("MSG_STARTUP_TITLE"));
    window.lblExplain->SetCaption(Message("MSG_STARTUP_EXPLAIN"));
    window.lblCommand->SetCaption(core::RunEntryCommand(m_programPath));
    ShowState();
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
    // An entry that starts nothing would only fail at every logon.
    if (!core::FileExists(m_ports.fileSystem, m_programPath)) {
        window.lblResult->SetCaption(Message("MSG_STARTUP_NOPROGRAM"));
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

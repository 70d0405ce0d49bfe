#pragma once

// The Run at Startup tool: since Vista only an administrator may change the
// machine's Run list, so the program sends the user to this small tool,
// which runs elevated. It shows what it will do and adds or removes the
// program's entry, exactly as the program itself writes it before Vista.

#include <memory>
#include <string>

#include "core/branding.h"
#include "i18n/languages.h"
#include "platform/platform.h"
#include "ui/frm_run_at_startup_tool.h"

namespace startup_tool {

class RunAtStartupTool {
public:
    // The program is the file of that base name (".exe" added) in the
    // tool's own folder; the entry bears its base name.
    RunAtStartupTool(platform::Platform& ports, ui::FormContext& forms,
                     std::string programBaseName);

    // Shows the window; closing it ends the event loop.
    void Start();

    ui::FrmRunAtStartupTool window;

    [[nodiscard]] const std::string& ProgramPath() const noexcept { return m_programPath; }

private:
    void Load();
    void Add();
    void Remove();
    // Shows the entry as the registry holds it now.
    void ShowState();
    [[nodiscard]] std::string Message(std::string_view key) const;

    platform::Platform& m_ports;
    std::string m_valueName;
    std::string m_programPath;
    core::Branding m_branding;
    std::unique_ptr<i18n::clsLanguages> m_catalogue;
};

}  // namespace startup_tool

#pragma once

// The Run at Startup tool: since Vista only an administrator may change the
// machine's Run list, so the program sends the user to this small tool,
// which runs elevated. It shows what it will do and adds or removes the
// program's entry, exactly as the program itself writes it before Vista.
// Started by an administrator, it must not trust the folder it runs from:
// the program it adds is the one in the folder the setup recorded, and only
// while no one but the administrators can change that folder.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/branding.h"
#include "i18n/languages.h"
#include "platform/platform.h"
#include "ui/frm_run_at_startup_tool.h"

namespace startup_tool {

class RunAtStartupTool {
public:
    // The program is the file of that base name (".exe" added) in the
    // folder the setup recorded; the entry bears its base name.
    RunAtStartupTool(platform::Platform& ports, ui::FormContext& forms,
                     std::string programBaseName);

    // Shows the window; closing it ends the event loop.
    void Start();

    ui::FrmRunAtStartupTool window;

    // Empty while the setup's record was not found.
    [[nodiscard]] const std::string& ProgramPath() const noexcept { return m_programPath; }

private:
    void Load();
    // The folder the setup recorded in the machine's uninstall key, which
    // only administrators can write; nullopt without such a record.
    [[nodiscard]] std::optional<std::string> InstalledFolder() const;
    // The catalogue key of the reason not to add the program, or "".
    [[nodiscard]] std::string_view ReasonNotToAdd() const;
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

#pragma once

// The program run: the ports it works through, the state it shares between
// its subsystems, and its windows. There is one per process; nothing else
// holds mutable state of its own.

#include <memory>
#include <string>

#include "core/branding.h"
#include "i18n/languages.h"
#include "platform/platform.h"
#include "ui/form.h"
#include "ui/frm_main.h"
#include "ui/frm_splash.h"

namespace core {

class Application {
public:
    explicit Application(platform::Platform& ports);
    ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Starts the program: the splash window is its start-up object.
    void Start();

    // The name under which settings are stored: the product name.
    [[nodiscard]] const std::string& AppName() const noexcept { return branding.ProgramName; }
    // A message of the catalogue, ready to show; "" before the catalogue exists.
    [[nodiscard]] std::string Message(std::string_view key) const;

    platform::Platform& ports;
    ui::FormContext forms;

    Branding branding;
    std::string DataFolder;
    std::unique_ptr<i18n::clsLanguages> Catalogue;

    ui::FrmSplash frmSplash;
    ui::FrmMain frmMain;

    int splashCounter = 0;
};

}  // namespace core

#pragma once

// The program run: the ports it works through, the state its subsystems
// share, and its windows. There is one per process; nothing else holds
// mutable state of its own.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/branding.h"
#include "core/cls_tray.h"
#include "core/definition_counts.h"
#include "core/exclusions.h"
#include "core/machine_settings.h"
#include "core/message_catalogue.h"
#include "core/removal_state.h"
#include "core/safe_list.h"
#include "core/scan_state.h"
#include "core/scheduler_state.h"
#include "core/shield_state.h"
#include "core/startup_items_state.h"
#include "platform/platform.h"
#include "platform/signature_verifier.h"
#include "ui/form.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_menu_pop_up.h"
#include "ui/frm_quarantine.h"
#include "ui/frm_report.h"
#include "ui/frm_restore_question.h"
#include "ui/frm_splash.h"
#include "ui/shield_windows.h"
#include "ui/small_windows.h"
#include "ui/update_windows.h"

namespace core {

class Application {
public:
    explicit Application(platform::Platform& ports);
    ~Application();

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Starts the program: the splash window is its start-up object.
    void Start();
    // Ends the program at once, without unloading its windows (a second
    // instance, the last step of the shutdown).
    void EndProcess();
    [[nodiscard]] bool Ending() const noexcept { return m_ending; }

    // The name under which settings are stored: the product name.
    [[nodiscard]] const std::string& AppName() const noexcept { return branding.ProgramName; }
    // A message of the catalogue, ready to show; "" before the catalogue exists.
    [[nodiscard]] std::string Message(std::string_view key) const;

    // The per-user store, for this program.
    [[nodiscard]] std::string ReadUserSetting(std::string_view section, std::string_view key,
                                              std::string_view defaultValue) const;
    void WriteUserSetting(std::string_view section, std::string_view key, std::string_view value);
    // The machine-wide store, for this program and its company.
    [[nodiscard]] MachineSettingRead ReadMachineSetting(std::string_view section,
                                                        std::string_view key,
                                                        std::string_view defaultValue) const;
    // True when the value was stored. A refused write puts the "Permission
    // Denied" question to the user, once per user.
    bool WriteMachineSetting(std::string_view section, std::string_view key,
                             std::string_view value);

    // The windows that the program has, to be unloaded by name at exit.
    [[nodiscard]] ui::Form* FormNamed(std::string_view name) const;
    void RegisterForm(ui::Form& form);

    platform::Platform& ports;
    ui::FormContext forms;

    Branding branding;
    std::string DataFolder;
    // The key the servers' answers must be signed with; none in a build made
    // without one.
    std::optional<platform::P256PublicKey> PublisherKey;
    std::unique_ptr<MessageCatalogue> Catalogue;
    definitions::DefinitionCounts counts;
    std::int32_t TotalDefinitionLines = 0;
    removal::ExclusionList exclusions;
    removal::RemovalState removal;
    definitions::SafeList SafeList;
    scan::ScanState scan;
    scheduler::SchedulerState scheduler;
    // Set by every tick of tmrTimeOut.
    bool TimedOut = false;
    // Ticks of timUpdate counted while no scan runs.
    std::int32_t AutoUpdateTicks = 0;
    // The main window's exit waits for the website window to close.
    bool ExitWhenWebsiteCloses = false;
    int splashCounter = 0;
    shell::clsTray tray;
    shields::ShieldState shields;
    startup_items::StartupItemsState startupItems;

    ui::FrmSplash frmSplash;
    ui::FrmMain frmMain;
    ui::FrmHidden frmHidden;
    ui::FrmDelete frmDelete;
    ui::Form8 form8;
    ui::FrmLanguage frmLanguage;
    ui::FrmWebsite frmWebsite;
    ui::FrmReport frmReport;
    ui::FrmDownload frmDownload;
    ui::FrmSignatureUpdated frmSignatureUpdated;
    ui::FrmHomePageChangedAlert frmHomePageChangedAlert;
    ui::FrmSpywareFoundAlert frmSpywareFoundAlert;
    ui::FrmMenuPopUp frmMenuPopUp;
    ui::FrmAbout frmAbout;
    ui::FrmQuarantine frmQuarantine;
    ui::FrmRestoreQuestion frmRestoreQuestion;

    // Commands that later subsystems provide; empty until they attach.
    // Sends the anonymous data of a removal when the user allows it.
    std::function<void()> SubmitAnonymousData;
    // The memory shield's question about a running program (name, company,
    // the process held since it was found); the pass waits until it is
    // answered.
    std::function<void(std::string_view, std::string_view, platform::HeldProcess*)>
        ReportMemoryAlert;
    // The tray pop-up's commands, which belong to the program as a whole:
    // bringing the main window back, and ending the program without a
    // question.
    std::function<void()> RestoreMainWindow;
    std::function<void()> ExitProgram;

private:
    std::vector<ui::Form*> m_forms;
    bool m_ending = false;
};

}  // namespace core

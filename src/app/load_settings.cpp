#include "app/load_settings.h"

#include <algorithm>

#include "base/text.h"
#include "core/application.h"
#include "core/date_time_text.h"
#include "core/definitions_date.h"
#include "core/quarantine_retention.h"

namespace app {

namespace {

// Each step reads its setting; a stored value that does not convert leaves
// the control as it was.

// The widest column a stored width may give, in twips: far wider than any
// screen, and still an int after the conversion back at exit.
constexpr double kMaxColumnTwips = 10000.0 * kTwipsPerPixel;

// The width a column has until the user drags it.
constexpr double kDefaultColumnTwips = 1400.0;

// A stored width that is negative, too large (or not a number at all) would
// not convert to an int. One that is not positive gives the column back its
// default width rather than hiding it; one too large is capped.
int ColumnWidthFromTwips(double twips) {
    if (!(twips > 0.0)) {
        twips = kDefaultColumnTwips;
    }
    return static_cast<int>(std::min(twips, kMaxColumnTwips)) / kTwipsPerPixel;
}

void SetFromFlag(core::Application& app, ui::OptionButton& button, std::string_view key,
                 std::string_view defaultValue) {
    if (const std::optional<bool> flag =
            base::TextToBool(app.ReadUserSetting("OptionAndSettings", key, defaultValue))) {
        button.SetValue(*flag);
    }
}

void SetFromNumber(ui::CheckBox& box, std::string_view text) {
    const double number = base::LeadingNumber(text);
    if (number == 0 || number == 1 || number == 2) {
        box.SetValue(static_cast<int>(number));
    }
}

void SetFromNumber(core::Application& app, ui::CheckBox& box, std::string_view key,
                   std::string_view defaultValue) {
    SetFromNumber(box, app.ReadUserSetting("OptionAndSettings", key, defaultValue));
}

}  // namespace

void LoadSettings(core::Application& app) {
    ui::FrmMain& main = app.frmMain;

    // 1.
    app.WriteUserSetting("OptionAndSettings", "SHOW", "True");
    // 2. and 3.
    SetFromFlag(app, *main.optIEHomePageSheildOn, "optIEHomePageSheildOn", "True");
    main.chkHomePage->SetValue(main.optIEHomePageSheildOn->Value() ? 1 : 0);
    // 4.
    SetFromNumber(app, *main.chkMakeLog, "chkMakeLog", "1");
    // 5.
    SetFromFlag(app, *main.optIEHomePageSheildOff, "optIEHomePageSheildOff", "False");
    // 6.
    SetFromFlag(app, *main.optAlwaysnotifybeforerestoring, "optAlwaysnotifybeforerestoring",
                "True");
    SetFromFlag(app, *main.optRestoredefaultwithoutnotification,
                "optRestoredefaultwithoutnotification", "False");
    // 7. and 8.
    SetFromFlag(app, *main.optMemorySheildOn, "optMemorySheildOn", "True");
    main.chkAutoProtect->SetValue(main.optMemorySheildOn->Value() ? 1 : 0);
    // 9.
    SetFromFlag(app, *main.optMemorySheildOff, "optMemorySheildOff", "False");
    SetFromFlag(app, *main.optBrowserShieldOn, "optBrowserShieldOn", "True");
    main.chkBrowserShield->SetValue(main.optBrowserShieldOn->Value() ? 1 : 0);
    SetFromFlag(app, *main.optBrowserShieldOff, "optBrowserShieldOff", "False");
    // 10.
    SetFromNumber(app, *main.chkSweepMemory, "chkSweepMemory", "1");
    SetFromNumber(app, *main.chkScanRegistry, "chkScanRegistry", "1");
    // 11. and 12.: every start begins with a quick scan, whatever is stored.
    SetFromFlag(app, *main.optScanAllSelectedHardDrive, "optScanAllSelectedHardDrive", "True");
    main.optScanOnlyKnownSoftwares->SetValue(true);
    // 13.
    if (core::IsEdition(app.branding, core::kEditionRunAtStartupByDefault) &&
        app.ReadUserSetting("Settings", "ranOneTime", "0") == "0") {
        SetFromNumber(app, *main.chkRunAtStartup, "chkRunAtStartup", "1");
        app.WriteUserSetting("Settings", "ranOneTime", "1");
    } else {
        SetFromNumber(app, *main.chkRunAtStartup, "chkRunAtStartup", "0");
    }
    // 14.
    SetFromNumber(app, *main.chkSweepMemory, "chkSweepMemory", "1");
    SetFromNumber(app, *main.chkScanRegistry, "chkScanRegistry", "1");
    // 15.
    SetFromNumber(app, *main.chkScanCookies, "chkScanCookies", "1");
    SetFromNumber(app, *main.chkSendData, "chkSendData", "1");
    // 16.
    main.lblLastUpdate->SetCaption(
        "Signatures Last Updated On " +
        core::UserDateTextOf(app.ports.localeFormats, definitions::ReadDefinitionsDate(
                                                          app.ports.fileSystem, app.DataFolder)) +
        " PST");
    // 17.
    const std::string scheduled =
        app.ReadUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "0");
    SetFromNumber(*main.chkAutomaticScanYesOrNo, scheduled);
    const bool scheduling = base::LeadingNumber(scheduled) != 0;
    main.dtpScheduleDate->SetEnabled(scheduling);
    main.dtpScheduleTime->SetEnabled(scheduling);
    main.cmbDays->SetEnabled(scheduling);
    main.tmrScheduler->SetEnabled(scheduling);
    // 18.
    SetFromNumber(app, *main.chkAutomaticUpdate, "chkAutomaticUpdate", "1");
    // 19.
    ui::ListView& drives = *main.lvwHardDrives;
    for (int row = 0; row < drives.ItemCount(); ++row) {
        if (const std::optional<bool> checked =
                base::TextToBool(app.ReadUserSetting("Drives", drives.Item(row).text, "True"))) {
            drives.SetChecked(row, *checked);
        }
    }
    // 20.
    ui::ListView& found = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    for (int column = 0; column < found.ColumnCount(); ++column) {
        const double twips = base::LeadingNumber(
            app.ReadUserSetting("Settings", "FoundCol2" + std::to_string(column + 1),
                                std::to_string(static_cast<int>(kDefaultColumnTwips))));
        found.SetColumnWidth(column, ColumnWidthFromTwips(twips));
    }
    // 21.
    if (app.ReadUserSetting("Settings", "Max", "0") == "1") {
        main.SetWindowState(ui::WindowState::Maximized);
    }
    // How long the quarantine keeps its items.
    core::LoadRetentionOption(app);
    // 22.
    app.forms.SetBusyPointer(false);
}

}  // namespace app

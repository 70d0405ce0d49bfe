#include "core/option_handlers.h"

#include "core/application.h"
#include "core/run_at_startup.h"
#include "core/text.h"

namespace core {

namespace {

// Stores each button of a pair under its own name, as a flag.
void StoreOptionPair(Application& app, const ui::OptionButton& first,
                     const ui::OptionButton& second) {
    app.WriteUserSetting("OptionAndSettings", first.Name(), BoolToText(first.Value()));
    app.WriteUserSetting("OptionAndSettings", second.Name(), BoolToText(second.Value()));
}

void StoreCheckBox(Application& app, std::string_view section, const ui::CheckBox& box) {
    app.WriteUserSetting(section, box.Name(), std::to_string(box.Value()));
}

void HomePageShieldChanged(Application& app, bool on) {
    ui::FrmMain& main = app.frmMain;
    main.tmrCheckHomePage->SetEnabled(on);
    main.optAlwaysnotifybeforerestoring->SetEnabled(on);
    main.optRestoredefaultwithoutnotification->SetEnabled(on);
}

void AttachHomePageShield(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.chkHomePage->onClick = [&app] {
        ui::FrmMain& m = app.frmMain;
        const bool checked = m.chkHomePage->Value() == 1;
        app.WriteUserSetting("OptionAndSettings", "optIEHomePageSheildOn", BoolToText(checked));
        app.WriteUserSetting("OptionAndSettings", "optIEHomePageSheildOff", BoolToText(!checked));
        HomePageShieldChanged(app, checked);
        // The options page shows the same choice.
        (checked ? m.optIEHomePageSheildOn : m.optIEHomePageSheildOff)->SetValue(true);
    };
    const auto optionChanged = [&app] {
        ui::FrmMain& m = app.frmMain;
        StoreOptionPair(app, *m.optIEHomePageSheildOn, *m.optIEHomePageSheildOff);
        const bool on = m.optIEHomePageSheildOn->Value();
        HomePageShieldChanged(app, on);
        // The status page shows the same choice.
        m.chkHomePage->SetValue(on ? 1 : 0);
    };
    main.optIEHomePageSheildOn->onClick = optionChanged;
    main.optIEHomePageSheildOff->onClick = optionChanged;

    const auto restoreModeChanged = [&app] {
        ui::FrmMain& m = app.frmMain;
        StoreOptionPair(app, *m.optAlwaysnotifybeforerestoring,
                        *m.optRestoredefaultwithoutnotification);
    };
    main.optAlwaysnotifybeforerestoring->onClick = restoreModeChanged;
    main.optRestoredefaultwithoutnotification->onClick = restoreModeChanged;
}

void AttachMemoryShield(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.chkAutoProtect->onClick = [&app] {
        ui::FrmMain& m = app.frmMain;
        const bool checked = m.chkAutoProtect->Value() == 1;
        app.WriteUserSetting("OptionAndSettings", "optMemorySheildOn", BoolToText(checked));
        app.WriteUserSetting("OptionAndSettings", "optMemorySheildOff", BoolToText(!checked));
        m.tmrMemoryInspected->SetEnabled(checked);
        (checked ? m.optMemorySheildOn : m.optMemorySheildOff)->SetValue(true);
    };
    const auto optionChanged = [&app] {
        ui::FrmMain& m = app.frmMain;
        StoreOptionPair(app, *m.optMemorySheildOn, *m.optMemorySheildOff);
        const bool on = m.optMemorySheildOn->Value();
        m.tmrMemoryInspected->SetEnabled(on);
        m.chkAutoProtect->SetValue(on ? 1 : 0);
    };
    main.optMemorySheildOn->onClick = optionChanged;
    main.optMemorySheildOff->onClick = optionChanged;
}

void AttachScanOptions(Application& app) {
    ui::FrmMain& main = app.frmMain;
    const auto scanTypeChanged = [&app] {
        ui::FrmMain& m = app.frmMain;
        StoreOptionPair(app, *m.optScanAllSelectedHardDrive, *m.optScanOnlyKnownSoftwares);
        // The drives matter only to a complete scan.
        m.lvwHardDrives->SetVisible(m.optScanAllSelectedHardDrive->Value());
    };
    main.optScanAllSelectedHardDrive->onClick = scanTypeChanged;
    main.optScanOnlyKnownSoftwares->onClick = scanTypeChanged;

    for (ui::CheckBox* box : {main.chkMakeLog, main.chkSweepMemory, main.chkScanRegistry,
                              main.chkScanCookies, main.chkAutomaticUpdate}) {
        box->onClick = [&app, box] {
            StoreCheckBox(app, "OptionAndSettings", *box);
        };
    }
    main.chkAutoDel->onClick = [&app] {
        StoreCheckBox(app, "Settings", *app.frmMain.chkAutoDel);
    };
}

}  // namespace

void AttachOptionHandlers(Application& app) {
    AttachHomePageShield(app);
    AttachMemoryShield(app);
    AttachScanOptions(app);
    app.frmMain.chkRunAtStartup->onClick = [&app] {
        RunAtStartupChanged(app);
    };
}

}  // namespace core

#include "shields/shield_options.h"

#include "base/text.h"
#include "core/application.h"

namespace shields {

namespace {

// Stores each button of a pair under its own name, as a flag.
void StoreOptionPair(core::Application& app, const ui::OptionButton& first,
                     const ui::OptionButton& second) {
    app.WriteUserSetting("OptionAndSettings", first.Name(), base::BoolToText(first.Value()));
    app.WriteUserSetting("OptionAndSettings", second.Name(), base::BoolToText(second.Value()));
}

void SwitchHomePageShield(core::Application& app, bool on) {
    ui::FrmMain& main = app.frmMain;
    main.tmrCheckHomePage->SetEnabled(on);
    main.optAlwaysnotifybeforerestoring->SetEnabled(on);
    main.optRestoredefaultwithoutnotification->SetEnabled(on);
    // The browser policy shield runs on this shield's tick.
    main.chkBrowserShield->SetEnabled(on);
    main.optBrowserShieldOn->SetEnabled(on);
    main.optBrowserShieldOff->SetEnabled(on);
}

void chkHomePage_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    const int value = main.chkHomePage->Value();
    const bool notClear = value != 0;
    app.WriteUserSetting("OptionAndSettings", "optIEHomePageSheildOn", base::BoolToText(notClear));
    app.WriteUserSetting("OptionAndSettings", "optIEHomePageSheildOff",
                         base::BoolToText(!notClear));
    SwitchHomePageShield(app, value == 1);
    // The options page shows the same choice.
    if (value == 0 || value == 1) {
        (value == 1 ? main.optIEHomePageSheildOn : main.optIEHomePageSheildOff)->SetValue(true);
    }
}

void optIEHomePageSheild_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    StoreOptionPair(app, *main.optIEHomePageSheildOn, *main.optIEHomePageSheildOff);
    const bool on = main.optIEHomePageSheildOn->Value();
    SwitchHomePageShield(app, on);
    // The status page shows the same choice.
    main.chkHomePage->SetValue(on ? 1 : 0);
}

void chkAutoProtect_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    const bool checked = main.chkAutoProtect->Value() == 1;
    app.WriteUserSetting("OptionAndSettings", "optMemorySheildOn", base::BoolToText(checked));
    app.WriteUserSetting("OptionAndSettings", "optMemorySheildOff", base::BoolToText(!checked));
    main.tmrMemoryInspected->SetEnabled(checked);
    (checked ? main.optMemorySheildOn : main.optMemorySheildOff)->SetValue(true);
}

void optMemorySheild_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    StoreOptionPair(app, *main.optMemorySheildOn, *main.optMemorySheildOff);
    const bool on = main.optMemorySheildOn->Value();
    main.tmrMemoryInspected->SetEnabled(on);
    main.chkAutoProtect->SetValue(on ? 1 : 0);
}

void chkBrowserShield_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    const bool checked = main.chkBrowserShield->Value() == 1;
    app.WriteUserSetting("OptionAndSettings", "optBrowserShieldOn", base::BoolToText(checked));
    app.WriteUserSetting("OptionAndSettings", "optBrowserShieldOff", base::BoolToText(!checked));
    (checked ? main.optBrowserShieldOn : main.optBrowserShieldOff)->SetValue(true);
}

void optBrowserShield_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    StoreOptionPair(app, *main.optBrowserShieldOn, *main.optBrowserShieldOff);
    main.chkBrowserShield->SetValue(main.optBrowserShieldOn->Value() ? 1 : 0);
}

}  // namespace

void AttachShieldOptions(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.chkHomePage->onClick = [&app] {
        chkHomePage_Click(app);
    };
    main.optIEHomePageSheildOn->onClick = [&app] {
        optIEHomePageSheild_Click(app);
    };
    main.optIEHomePageSheildOff->onClick = [&app] {
        optIEHomePageSheild_Click(app);
    };
    const auto restoreModeChanged = [&app] {
        ui::FrmMain& m = app.frmMain;
        StoreOptionPair(app, *m.optAlwaysnotifybeforerestoring,
                        *m.optRestoredefaultwithoutnotification);
    };
    main.optAlwaysnotifybeforerestoring->onClick = restoreModeChanged;
    main.optRestoredefaultwithoutnotification->onClick = restoreModeChanged;
    main.chkAutoProtect->onClick = [&app] {
        chkAutoProtect_Click(app);
    };
    main.optMemorySheildOn->onClick = [&app] {
        optMemorySheild_Click(app);
    };
    main.optMemorySheildOff->onClick = [&app] {
        optMemorySheild_Click(app);
    };
    main.chkBrowserShield->onClick = [&app] {
        chkBrowserShield_Click(app);
    };
    main.optBrowserShieldOn->onClick = [&app] {
        optBrowserShield_Click(app);
    };
    main.optBrowserShieldOff->onClick = [&app] {
        optBrowserShield_Click(app);
    };
}

}  // namespace shields

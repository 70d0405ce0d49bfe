#include "app/option_handlers.h"

#include "base/text.h"
#include "core/application.h"
#include "core/quarantine_retention.h"
#include "core/run_at_startup.h"

namespace app {

namespace {

// Stores each button of a pair under its own name, as a flag.
void StoreOptionPair(core::Application& app, const ui::OptionButton& first,
                     const ui::OptionButton& second) {
    app.WriteUserSetting("OptionAndSettings", first.Name(), base::BoolToText(first.Value()));
    app.WriteUserSetting("OptionAndSettings", second.Name(), base::BoolToText(second.Value()));
}

void StoreCheckBox(core::Application& app, std::string_view section, const ui::CheckBox& box) {
    app.WriteUserSetting(section, box.Name(), std::to_string(box.Value()));
}

void AttachScanOptions(core::Application& app) {
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

void AttachOptionHandlers(core::Application& app) {
    AttachScanOptions(app);
    core::AttachRetentionOption(app);
    app.frmMain.chkRunAtStartup->onClick = [&app] {
        core::RunAtStartupChanged(app);
    };
}

}  // namespace app

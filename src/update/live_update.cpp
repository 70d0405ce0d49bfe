#include "update/live_update.h"

#include "base/text.h"
#include "core/application.h"
#include "core/background_timers.h"
#include "core/definition_counts.h"
#include "core/status_page.h"
#include "update/definition_update.h"
#include "update/server_address.h"

namespace update {

namespace {

constexpr std::int32_t kIdleTicksBeforeUpdate = 299;
constexpr int kWmLButtonDblClk = 0x0203;

void ShowNotice(core::Application& app, std::string_view messageKey) {
    ui::FrmSignatureUpdated& notice = app.frmSignatureUpdated;
    notice.tmrPopupSignatureUpdate->SetEnabled(true);
    notice.Show();
    notice.lblUpdateInfo->SetCaption(app.Message(messageKey));
}

// The animation's message for each step of its cycle; "" leaves the text
// of the blink in place.
std::string_view StepMessage(std::int32_t step) {
    switch (step) {
        case 0:
            return "MSG_CONNECTING2";
        case 6:
            return "MSG_SENT";
        case 8:
            return "MSG_RECEIVING";
        case 1:
        case 7:
        case 9:
            return "";
        default:
            return "MSG_SENDING";
    }
}

void tmrBlink_Timer(core::Application& app) {
    ui::FrmDownload& download = app.frmDownload;
    // 1.
    if (download.picDown->Visible()) {
        download.picDown->SetVisible(false);
        download.picUp->SetVisible(true);
        download.lblProduct->SetCaption(app.Message("MSG_CONNECTING"));
    } else {
        download.lblProduct->SetCaption(app.Message("MSG_CHECKING"));
        download.picDown->SetVisible(true);
        download.picUp->SetVisible(false);
    }
    // 2.
    if (download.animationStep > 14) {
        download.animationStep = 0;
    }
    if (const std::string_view key = StepMessage(download.animationStep); !key.empty()) {
        download.lblProduct->SetCaption(app.Message(key));
    }
    ++download.animationStep;
}

void frmDownload_Load(core::Application& app) {
    ui::FrmDownload& download = app.frmDownload;
    download.tmrBlink->SetEnabled(true);
    download.picDown->SetVisible(false);
    download.picUp->SetVisible(true);
    download.lblProduct->SetCaption(app.Message("MSG_DOWNLOADING"));
    app.tray.RemoveIcon(download);
    app.tray.ShowIcon(download);
    app.tray.ChangeToolTip(download, "Getting latest definitions.");
}

void cmdUpdateSuccesfullOK_Click(core::Application& app) {
    app.WriteUserSetting("OptionAndSettings", "SHOW", "false");
    app.frmSignatureUpdated.tmrPopupSignatureUpdate->SetEnabled(false);
    app.tray.RemoveIcon(app.frmDownload);
    app.frmSignatureUpdated.Unload();
}

}  // namespace

void cmdUpdate_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    // 1.
    core::ApplyTimerSettings(app, false);
    main.cmdLiveUpdate->SetEnabled(false);
    // 2.
    const DefinitionUpdateResult result = RunDefinitionUpdate(app);
    if (result.untrusted) {
        ShowNotice(app, "MSG_SERVER_NOT_TRUSTED");
    } else if (result.incomplete) {
        // Not "most recent": the server has newer definitions, and the user
        // should try again rather than believe they are current.
        ShowNotice(app, "MSG_UPDATE_INCOMPLETE");
    } else if (result.unverified) {
        // Not "most recent": the user should know that an update was
        // refused, and that nothing was changed.
        ShowNotice(app, "MSG_UPDATE_NOT_VERIFIED");
    } else if (result.changeCount < 1) {
        // 3.
        ShowNotice(app, "MSG_RECENT_DEFS");
    } else {
        // 4.
        app.WriteUserSetting("OptionAndSettings", "SHOW", "True");
        app.WriteUserSetting("OptionAndSettings", "RESTART", "True");
        app.tray.RemoveIcon(app.frmDownload);
        ShowNotice(app, "MSG_UPDATED_DEFS");
        app.TotalDefinitionLines =
            definitions::CountDefinitions(app.ports.fileSystem, app.DataFolder, app.counts);
        core::RefreshStatusPage(app);
        main.cmdScan->SetEnabled(true);
    }
    // 5.
    app.frmDownload.Unload();
    main.cmdLiveUpdate->SetEnabled(true);
    core::ApplyTimerSettings(app, true);
}

void timUpdate_Timer(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    if (!main.cmdScanNow->Enabled()) {
        return;
    }
    if (app.AutoUpdateTicks > kIdleTicksBeforeUpdate) {
        cmdUpdate_Click(app);
        app.AutoUpdateTicks = 0;
        main.timUpdate->SetEnabled(false);
    } else {
        ++app.AutoUpdateTicks;
    }
}

std::string DefinitionAddressBase(core::Application& app) {
    std::string website = app.branding.Website;
    if (website == UNBRANDED_WEBSITE) {
        return DefinitionServer(app);
    }
    website = base::ReplaceAllIgnoreCase(website, "http://", "");
    if (const std::size_t slash = website.find('/'); slash != std::string::npos) {
        website.erase(slash);
    }
    if (!base::ContainsIgnoreCase(website, "www.")) {
        website.insert(0, "www.");
    }
    return "http://" + website;
}

std::string DefinitionAddresses(core::Application& app) {
    static constexpr std::string_view kPaths[] = {
        "/definitions/version/R.HTM",           "/definitions/version/F.HTM",
        "/definitions/version/E.HTM",           "/definitions/version/C.HTM",
        "/definitions/data/BlockedCookies.dat", "/definitions/data/RegistryDefinition.dat",
        "/definitions/data/FileDefinition.dat", "/definitions/data/ExeDefinition.dat",
    };
    const std::string base = DefinitionAddressBase(app);
    std::string text;
    for (const std::string_view path : kPaths) {
        text.append(base).append(path).append("\r\n");
    }
    return text;
}

void AttachLiveUpdate(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.cmdUpdate->onClick = [&app] {
        cmdUpdate_Click(app);
    };
    main.cmdLiveUpdate->onClick = [&app] {
        cmdUpdate_Click(app);
    };
    main.cmdUpdate->onMouseDown = [&app](const ui::MouseEvent& event) {
        if (event.shift == 1) {
            app.ports.dialogs.ShowMessage(DefinitionAddresses(app), app.branding.ProgramName,
                                          platform::MessageButtons::Ok,
                                          platform::MessageIcon::None);
        }
    };
    main.timUpdate->onTimer = [&app] {
        timUpdate_Timer(app);
    };

    ui::FrmDownload& download = app.frmDownload;
    download.onLoad = [&app] {
        frmDownload_Load(app);
    };
    download.onUnload = [&app] {
        app.tray.RemoveIcon(app.frmDownload);
    };
    download.tmrBlink->onTimer = [&app] {
        tmrBlink_Timer(app);
    };
    download.Command1->onClick = [&app] {
        app.frmDownload.Unload();
    };
    download.onTrayMessage = [&app](int mouseMessage) {
        if (mouseMessage == kWmLButtonDblClk) {
            app.frmDownload.SetWindowState(ui::WindowState::Normal);
            app.frmDownload.Show();
        }
    };
    app.frmSignatureUpdated.cmdUpdateSuccesfullOK->onClick = [&app] {
        cmdUpdateSuccesfullOK_Click(app);
    };
}

}  // namespace update

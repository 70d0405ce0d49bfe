#include "shell/website_window.h"

#include "base/text.h"
#include "core/application.h"

namespace shell {

std::string WebsiteAddress(std::string_view website) {
    const std::string address = base::Trim(website);
    if (base::StartsWithIgnoreCase(address, "http://") ||
        base::StartsWithIgnoreCase(address, "https://")) {
        return address;
    }
    return "http://" + address;
}

void AttachWebsiteWindow(core::Application& app) {
    ui::FrmWebsite& window = app.frmWebsite;
    window.onLoad = [&app] {
        // Every load arms the close anew: a window left open would keep the
        // main window's exit waiting for ever.
        app.frmWebsite.Timer1->SetEnabled(true);
        app.branding = core::LoadBranding(app.ports.programFile);
        if (!base::Trim(app.branding.Website).empty()) {
            [[maybe_unused]] const bool opened = app.ports.shell.Execute(
                "open", WebsiteAddress(app.branding.Website), "", "", platform::WindowShow::Normal);
        }
    };
    window.Timer1->onTimer = [&app] {
        app.frmWebsite.Unload();
    };
    // The main window's exit waits for this window when it is open.
    window.onUnload = [&app] {
        if (app.ExitWhenWebsiteCloses) {
            app.EndProcess();
        }
    };
}

}  // namespace shell

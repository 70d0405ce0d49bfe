#include "shields/extension_shield.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/text.h"
#include "browsers/extension_inventory.h"
#include "core/application.h"
#include "removal/extension_removal.h"
#include "removal/quarantine_log.h"
#include "scan/extension_scan.h"

namespace shields {

namespace {

using browsers::InstalledExtension;

std::vector<InstalledExtension> Inventory(core::Application& app) {
    return browsers::FindExtensions(app.ports.shellFolders, app.ports.fileSystem,
                                    app.ports.registry, app.ports.textCodec);
}

// An extension of a profile, by browser, settings file and ID; an
// installer's registration is no extension of a profile yet.
std::set<std::string> ProfileExtensions(const std::vector<InstalledExtension>& inventory) {
    std::set<std::string> seen;
    for (const InstalledExtension& found : inventory) {
        if (!found.profile.empty()) {
            seen.insert(found.browser + "|" + base::UpperCase(found.recordedIn) + "|" +
                        found.extension.id);
        }
    }
    return seen;
}

std::string ShownName(const InstalledExtension& found) {
    const std::string name =
        found.extension.name.empty() ? found.extension.id : found.extension.name;
    return name + " (" + found.browser + ", " + found.profile + ")";
}

// The browser's own parts and an organisation's choices are not the user's
// to be asked about; neither is what the user left alone or kept before.
bool LeftAlone(core::Application& app, const InstalledExtension& found) {
    const std::string location = scan::ExtensionLocation(found);
    return found.extension.source == browsers::ExtensionSource::Browser ||
           found.extension.source == browsers::ExtensionSource::Policy ||
           app.SafeList.IsSafeListed(location) || app.SafeList.IsSafeListed(found.extension.id) ||
           app.exclusions.IsExcluded(location) ||
           !app.ReadUserSetting(kKeptExtensionsSection, location, "").empty();
}

void Ask(core::Application& app, const InstalledExtension& found) {
    ShieldState& state = app.shields;
    ui::FrmHomePageChangedAlert& alert = app.frmHomePageChangedAlert;
    state.askedExtension = ShieldState::AskedExtension{
        found.browser, scan::ExtensionLocation(found), ShownName(found)};
    alert.lblHomePageInfo->SetCaption(app.Message("MSG_SHIELD_EXT_NEW") + "\r\n\r\n" +
                                      ShownName(found) + "\r\n\r\n" +
                                      app.Message("MSG_SHIELD_POLICY_KEEP") + "\r\n\r\n" +
                                      app.Message("MSG_SHIELD_POLICY_REMOVE"));
    alert.ShowModal();
    // Closed without an answer, it stays, and is not asked about again.
    state.askedExtension.reset();
}

}  // namespace

void CheckBrowserExtensions(core::Application& app) {
    ShieldState& state = app.shields;
    std::string stamp = browsers::ExtensionSettingsStamp(app.ports.shellFolders,
                                                         app.ports.fileSystem, app.ports.textCodec);
    if (state.knownExtensions && stamp == state.extensionStamp) {
        return;
    }
    state.extensionStamp = std::move(stamp);
    const std::vector<InstalledExtension> inventory = Inventory(app);
    std::set<std::string> seen = ProfileExtensions(inventory);
    if (!state.knownExtensions) {
        state.knownExtensions = std::move(seen);
        return;
    }
    // Known from now on, whatever the answers.
    const std::set<std::string> before = std::exchange(*state.knownExtensions, seen);
    for (const InstalledExtension& found : inventory) {
        if (found.profile.empty() ||
            before.contains(found.browser + "|" + base::UpperCase(found.recordedIn) + "|" +
                            found.extension.id) ||
            LeftAlone(app, found)) {
            continue;
        }
        Ask(app, found);
    }
}

void NoteBrowserExtensions(core::Application& app) {
    if (app.shields.knownExtensions) {
        app.shields.knownExtensions = ProfileExtensions(Inventory(app));
    }
}

void KeepAskedExtension(core::Application& app) {
    const std::optional<ShieldState::AskedExtension>& asked = app.shields.askedExtension;
    if (asked) {
        app.WriteUserSetting(kKeptExtensionsSection, asked->location, asked->name);
    }
}

void RemoveAskedExtension(core::Application& app) {
    const std::optional<ShieldState::AskedExtension> asked = app.shields.askedExtension;
    if (!asked) {
        return;
    }
    for (const InstalledExtension& found : Inventory(app)) {
        if (found.browser != asked->browser || scan::ExtensionLocation(found) != asked->location) {
            continue;
        }
        removal::RemovalState& removal = app.removal;
        // Its own removal, logged, with the extension as its threat.
        auto backedUp = std::exchange(removal.BackedUp, {});
        auto saved = std::exchange(removal.SavedRegistry, {});
        std::string threat = std::exchange(removal.CurrentThreat, asked->name);
        const bool logging = std::exchange(removal.QuarantineLogging, true);
        removal::CreateQuarantineFolder(app.ports.fileSystem, app.DataFolder);
        const removal::ExtensionRemovalResult result = removal::RemoveExtension(app, found);
        removal.BackedUp = std::move(backedUp);
        removal.SavedRegistry = std::move(saved);
        removal.CurrentThreat = std::move(threat);
        removal.QuarantineLogging = logging;
        NoteBrowserExtensions(app);
        std::string text = result.outcome == removal::ExtensionRemoval::Removed
                               ? std::string()
                               : removal::ExtensionRemovalText(app, result.outcome, asked->browser);
        for (const std::string& leftover : result.leftovers) {
            text += (text.empty() ? "" : "\r\n") + leftover + " - " +
                    base::ReplaceAll(app.Message("MSG_EXT_REINSTALLER_KEPT"), "[Browser]",
                                     asked->browser);
        }
        if (!text.empty()) {
            app.ports.dialogs.ShowMessage(asked->name + "\r\n\r\n" + text, app.branding.ProgramName,
                                          platform::MessageButtons::Ok,
                                          platform::MessageIcon::Exclamation);
        }
        return;
    }
}

}  // namespace shields

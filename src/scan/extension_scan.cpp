#include "scan/extension_scan.h"

#include "base/text.h"
#include "core/application.h"
#include "core/scan_state.h"
#include "definitions/extension_definitions.h"
#include "platform/shell_folders.h"
#include "scan/finding_lists.h"
#include "scan/scan_run.h"

namespace scan {

namespace {

using browsers::ExtensionSource;
using browsers::InstalledExtension;

// The rules for an extension that no definition names, in the order their
// reasons are said.
struct RiskRule {
    bool (*applies)(const InstalledExtension& found, std::string_view userProfile);
    std::string_view reason;
};

bool IsUsersOwnFolder(std::string_view folder, std::string_view userProfile) {
    if (userProfile.empty() || folder.size() <= userProfile.size() ||
        !base::StartsWithIgnoreCase(folder, userProfile) || folder[userProfile.size()] != '\\') {
        return false;
    }
    const std::string_view below = folder.substr(userProfile.size() + 1);
    // What programs write for the user lies in the application data.
    return !base::StartsWithIgnoreCase(below, "AppData\\") &&
           !base::StartsWithIgnoreCase(below, "Application Data\\") &&
           !base::StartsWithIgnoreCase(below, "Local Settings\\");
}

constexpr RiskRule kRiskRules[] = {
    {[](const InstalledExtension& f, std::string_view) {
         return f.extension.overrides.searchProvider;
     },
     "MSG_EXT_RISK_SEARCH"},
    {[](const InstalledExtension& f, std::string_view) { return f.extension.overrides.homePage; },
     "MSG_EXT_RISK_HOMEPAGE"},
    {[](const InstalledExtension& f, std::string_view) {
         return f.extension.overrides.startupPages;
     },
     "MSG_EXT_RISK_STARTUP"},
    {[](const InstalledExtension& f, std::string_view) { return f.extension.overrides.newTabPage; },
     "MSG_EXT_RISK_NEWTAB"},
    {[](const InstalledExtension& f, std::string_view) {
         return f.extension.source == ExtensionSource::Registry;
     },
     "MSG_EXT_RISK_REGISTRY"},
    {[](const InstalledExtension& f, std::string_view) {
         return f.extension.source == ExtensionSource::ExternalFile;
     },
     "MSG_EXT_RISK_EXTERNAL"},
    {[](const InstalledExtension& f, std::string_view) {
         return f.extension.source == ExtensionSource::CommandLine;
     },
     "MSG_EXT_RISK_COMMANDLINE"},
    {[](const InstalledExtension& f, std::string_view userProfile) {
         return f.extension.source == ExtensionSource::Unpacked &&
                !IsUsersOwnFolder(f.folder, userProfile);
     },
     "MSG_EXT_RISK_UNPACKED"},
};

// "(Chrome, Default): Search Helper 2.1", the ID when it has no name.
std::string Described(const InstalledExtension& found) {
    std::string text = " (" + found.browser;
    if (!found.profile.empty()) {
        text += ", " + found.profile;
    }
    text += "): " + (found.extension.name.empty() ? found.extension.id : found.extension.name);
    if (!found.extension.version.empty()) {
        text += " " + found.extension.version;
    }
    return text;
}

std::string UserProfile(core::Application& app) {
    std::string folder = app.ports.shellFolders.FolderPath(platform::csidl::kProfile).value_or("");
    folder.resize(std::min(folder.find('\0'), folder.size()));
    while (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

}  // namespace

std::vector<std::string_view> RiskReasons(const InstalledExtension& found,
                                          std::string_view userProfile) {
    std::vector<std::string_view> reasons;
    const ExtensionSource source = found.extension.source;
    if (source == ExtensionSource::Store || source == ExtensionSource::Policy ||
        source == ExtensionSource::Browser) {
        return reasons;
    }
    for (const RiskRule& rule : kRiskRules) {
        if (rule.applies(found, userProfile)) {
            reasons.push_back(rule.reason);
        }
    }
    return reasons;
}

std::string ExtensionLocation(const InstalledExtension& found) {
    if (!found.folder.empty()) {
        return found.folder;
    }
    if (found.recordedIn.ends_with("\\" + found.extension.id)) {
        return found.recordedIn;
    }
    return found.recordedIn + "\\" + found.extension.id;
}

void ScanBrowserExtensions(core::Application& app) {
    ScanState& state = app.scan;
    if (ScanMustEnd(app)) {
        return;
    }
    const std::vector<InstalledExtension> inventory = browsers::FindExtensions(
        app.ports.shellFolders, app.ports.fileSystem, app.ports.registry, app.ports.textCodec);
    const std::vector<definitions::ExtensionRecord> definitions =
        definitions::ReadExtensionDefinitions(app.ports.fileSystem, app.ports.textCodec,
                                              app.DataFolder);
    state.FilesFoldersInspected += static_cast<std::int32_t>(inventory.size());
    app.ports.eventLoop.YieldToMessageLoop();
    const std::string userProfile = UserProfile(app);
    ui::FrmMain& main = app.frmMain;
    for (const InstalledExtension& found : inventory) {
        if (ScanMustEnd(app)) {
            return;
        }
        const definitions::ExtensionRecord* definition = definitions::FindExtensionDefinition(
            definitions, found.extension.id, browsers::FamilyName(found.family));
        std::string name;
        std::string typeText = app.Message("MSG_EXT_TYPE");
        if (definition != nullptr) {
            name = definition->threatName + Described(found);
            if (!definition->typeText.empty()) {
                typeText = definition->typeText;
            }
        } else {
            const std::vector<std::string_view> reasons = RiskReasons(found, userProfile);
            if (reasons.empty()) {
                continue;
            }
            name = app.Message("MSG_EXT_RISKY") + Described(found) + " -";
            for (std::size_t i = 0; i < reasons.size(); ++i) {
                name += (i == 0 ? " " : "; ") + app.Message(reasons[i]);
            }
        }
        const std::string location = ExtensionLocation(found);
        if (app.SafeList.IsSafeListed(location) || app.SafeList.IsSafeListed(found.extension.id)) {
            continue;
        }
        if (app.exclusions.IsExcluded(location) || app.exclusions.IsExcluded(name)) {
            AddExcludedRow(app, location);
            continue;
        }
        if (HasSummaryRow(*main.lvwSpywareFound, name)) {
            continue;
        }
        IncrementCaption(*main.lbltracesFound);
        AddThreat(app, name, kIconFile, location, typeText);
        state.extensionFindings.push_back({name, location, found.browser});
    }
}

}  // namespace scan

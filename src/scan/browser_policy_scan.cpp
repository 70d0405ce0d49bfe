#include "scan/browser_policy_scan.h"

#include "base/text.h"
#include "core/application.h"
#include "core/scan_state.h"
#include "scan/finding_lists.h"
#include "scan/scan_run.h"

namespace scan {

namespace {

// Longest text of a policy's value in a finding's name: an address can be
// kilobytes long, and the row only needs to tell it apart.
constexpr std::size_t kLongestValueText = 200;

std::string_view MessageKeyOf(PolicyKind kind) {
    switch (kind) {
        case PolicyKind::StartPage:
            return "MSG_POLICY_STARTPAGE";
        case PolicyKind::StartupPage:
            return "MSG_POLICY_STARTUPPAGE";
        case PolicyKind::StartupMode:
            return "MSG_POLICY_STARTUPMODE";
        case PolicyKind::NewTabPage:
            return "MSG_POLICY_NEWTAB";
        case PolicyKind::SearchEngine:
            return "MSG_POLICY_SEARCH";
        case PolicyKind::SearchSetting:
            return "MSG_POLICY_SEARCHSETTING";
        case PolicyKind::AddedSearchEngine:
            return "MSG_POLICY_ADDSEARCH";
        case PolicyKind::ForcedExtension:
            return "MSG_POLICY_EXTENSION";
        case PolicyKind::Unreadable:
            return "MSG_POLICY_UNREADABLE";
    }
    return "MSG_POLICY_STARTPAGE";
}

// A value as a name shows it: on one line, and not without end.
std::string ValueText(std::string_view value) {
    std::string text = base::Trim(value);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    if (text.size() > kLongestValueText) {
        std::size_t cut = kLongestValueText;
        // Not inside a character of several bytes.
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        text = text.substr(0, cut) + "...";
    }
    return text;
}

std::string_view RootName(platform::RegistryRoot root) {
    return root == platform::RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE"
                                                        : "HKEY_CURRENT_USER";
}

void EnterRegistryPolicy(core::Application& app, const BrowserPolicy& policy,
                         const std::string& name, const std::string& location) {
    ui::FrmMain& main = app.frmMain;
    ui::ListView& traces = *main.lvwRegistryToBeDeleted;
    const int row = traces.AddItem(RootHandleText(static_cast<std::uint32_t>(policy.root)));
    traces.SetSubItem(row, 1, policy.keyPath);
    traces.SetSubItem(row, 2, policy.valueName);
    traces.SetSubItem(row, 3, name);
    IncrementCaption(*main.lbltracesFound);
    if (!HasSummaryRow(*main.lvwSpywareFound, name)) {
        AddThreat(app, name, kIconRegistry, location, app.Message("MSG_POLICY_TYPE"));
    }
}

void EnterFilePolicy(core::Application& app, const BrowserPolicy& policy, const std::string& name) {
    ui::FrmMain& main = app.frmMain;
    const int row = main.lvwFilesToBeDeleted->AddItem(policy.file);
    main.lvwFilesToBeDeleted->SetSubItem(row, 1, name);
    IncrementCaption(*main.lbltracesFound);
    if (!HasSummaryRow(*main.lvwSpywareFound, name)) {
        AddThreat(app, name, kIconFile, policy.file, app.Message("MSG_POLICY_TYPE"));
    }
}

}  // namespace

std::string PolicyFindingName(const core::Application& app, const BrowserPolicy& policy) {
    std::string name;
    for (const PolicyEffect& effect : policy.effects) {
        std::string text = app.Message(MessageKeyOf(effect.kind));
        // The value last: a value's own text is never taken for a placeholder.
        text = base::ReplaceAll(text, "[Browser]", policy.browser);
        text = base::ReplaceAll(text, "[Setting]", effect.setting);
        text = base::ReplaceAll(text, "[Value]", ValueText(effect.value));
        name += (name.empty() ? "" : "; ") + text;
    }
    return name;
}

std::string PolicyLocation(const BrowserPolicy& policy) {
    if (policy.InFile()) {
        return policy.file;
    }
    std::string location = std::string(RootName(policy.root)) + "\\" + policy.keyPath;
    if (!policy.valueName.empty()) {
        location += "\\" + policy.valueName;
    }
    return location;
}

std::string PolicyValue(const BrowserPolicy& policy) {
    std::string value;
    for (const PolicyEffect& effect : policy.effects) {
        value += (value.empty() ? "" : "; ") + effect.value;
    }
    return value;
}

bool KeptByUser(const core::Application& app, const BrowserPolicy& policy) {
    // A value is never empty (the reader skips empty ones), so a missing
    // setting reads as nothing kept.
    return app.ReadUserSetting(kKeptPoliciesSection, PolicyLocation(policy), "\n") ==
           PolicyValue(policy);
}

std::vector<BrowserPolicy> ReadBrowserPolicies(core::Application& app) {
    std::vector<BrowserPolicy> policies = ReadRegistryPolicies(app.ports.registry);
    std::vector<BrowserPolicy> files =
        ReadPolicyFiles(app.ports.fileSystem, app.ports.shellFolders);
    policies.insert(policies.end(), std::make_move_iterator(files.begin()),
                    std::make_move_iterator(files.end()));
    return policies;
}

void ScanBrowserPolicies(core::Application& app) {
    ScanState& state = app.scan;
    if (ScanMustEnd(app)) {
        return;
    }
    const std::vector<BrowserPolicy> policies = ReadBrowserPolicies(app);
    state.RegistryEntriesInspected += static_cast<std::int32_t>(policies.size());
    app.ports.eventLoop.YieldToMessageLoop();
    if (policies.empty() || ScanMustEnd(app)) {
        return;
    }
    // An organisation's administrators set these on purpose: the user hears
    // why nothing is listed, and nothing is offered for removal.
    if (app.ports.deviceManagement.ManagedByOrganisation()) {
        app.frmMain.lvwSpywareFound->AddItem(app.Message("MSG_POLICY_MANAGED"));
        return;
    }
    for (const BrowserPolicy& policy : policies) {
        const std::string location = PolicyLocation(policy);
        const std::string name = PolicyFindingName(app, policy);
        if (app.SafeList.IsSafeListed(location) || KeptByUser(app, policy)) {
            continue;
        }
        if (app.exclusions.IsExcluded(location) || app.exclusions.IsExcluded(name)) {
            AddExcludedRow(app, location);
        } else if (policy.InFile()) {
            EnterFilePolicy(app, policy, name);
        } else {
            EnterRegistryPolicy(app, policy, name, location);
        }
    }
}

}  // namespace scan

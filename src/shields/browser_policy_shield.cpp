#include "shields/browser_policy_shield.h"

#include <map>
#include <set>
#include <utility>

#include "base/text.h"
#include "core/application.h"
#include "removal/quarantine_log.h"
#include "removal/registry_removal.h"
#include "scan/browser_policy_scan.h"
#include "scan/finding_lists.h"
#include "scan/registry_views.h"

namespace shields {

namespace {

using scan::PolicyValue;

// The policy's place, in one case: the registry ignores case, and so does
// this comparison.
std::string PolicyIdentity(const scan::BrowserPolicy& policy) {
    return base::UpperCase(scan::PolicyLocation(policy));
}

// The policies as they are now, by where they are, with what they set.
std::map<std::string, std::string> PoliciesNow(const std::vector<scan::BrowserPolicy>& policies) {
    std::map<std::string, std::string> seen;
    for (const scan::BrowserPolicy& policy : policies) {
        seen[PolicyIdentity(policy)] = PolicyValue(policy);
    }
    return seen;
}

bool LeftAlone(const core::Application& app, const scan::BrowserPolicy& policy) {
    const std::string location = scan::PolicyLocation(policy);
    return app.SafeList.IsSafeListed(location) || app.exclusions.IsExcluded(location) ||
           app.exclusions.IsExcluded(scan::PolicyFindingName(app, policy));
}

bool StillThere(core::Application& app, const scan::BrowserPolicy& policy) {
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryOpenResult opened = registry.OpenKey(
        policy.root, policy.keyPath, platform::reg_access::kRead, scan::LiteralView(registry));
    if (!opened.key) {
        return opened.status != platform::reg_status::kNotFound;
    }
    if (policy.valueName.empty()) {
        return true;
    }
    platform::RegistryValue value;
    return opened.key->QueryValue(policy.valueName, value) == platform::reg_status::kOk;
}

void Ask(core::Application& app, const scan::BrowserPolicy& policy) {
    ShieldState& state = app.shields;
    ui::FrmHomePageChangedAlert& alert = app.frmHomePageChangedAlert;
    state.askedPolicy = policy;
    alert.lblHomePageInfo->SetCaption(BrowserPolicyQuestion(app, policy));
    alert.ShowModal();
    // Closed without an answer, the policy stays as it is, and is not asked
    // about again until it changes.
    state.askedPolicy.reset();
}

}  // namespace

std::string BrowserPolicyQuestion(const core::Application& app, const scan::BrowserPolicy& policy) {
    return app.Message("MSG_SHIELD_POLICY_CHANGED") + "\r\n\r\n" +
           scan::PolicyFindingName(app, policy) + "\r\n\r\n" +
           app.Message("MSG_SHIELD_POLICY_KEEP") + "\r\n\r\n" +
           app.Message("MSG_SHIELD_POLICY_REMOVE");
}

void CheckBrowserPolicies(core::Application& app) {
    ShieldState& state = app.shields;
    const std::vector<scan::BrowserPolicy> policies =
        scan::ReadRegistryPolicies(app.ports.registry);
    std::map<std::string, std::string> seen = PoliciesNow(policies);
    if (!state.knownPolicies) {
        state.knownPolicies = std::move(seen);
        return;
    }
    // Known from now on, whatever the answers: a question left unanswered is
    // not asked again every five seconds.
    const std::map<std::string, std::string> before = std::exchange(*state.knownPolicies, seen);
    bool managedAsked = false;
    for (const scan::BrowserPolicy& policy : policies) {
        const std::string value = PolicyValue(policy);
        const auto known = before.find(PolicyIdentity(policy));
        if (known != before.end() && known->second == value) {
            continue;
        }
        if (LeftAlone(app, policy) || scan::KeptByUser(app, policy)) {
            continue;
        }
        // An organisation's administrators set policies on purpose; asked only
        // when there is something to ask about, the port costs nothing on a
        // quiet tick.
        if (!managedAsked) {
            managedAsked = true;
            if (app.ports.deviceManagement.ManagedByOrganisation()) {
                return;
            }
        }
        Ask(app, policy);
    }
}

void KeepAskedPolicy(core::Application& app) {
    const std::optional<scan::BrowserPolicy>& policy = app.shields.askedPolicy;
    if (!policy) {
        return;
    }
    app.WriteUserSetting(kKeptPoliciesSection, scan::PolicyLocation(*policy), PolicyValue(*policy));
}

void RemoveAskedPolicy(core::Application& app) {
    const std::optional<scan::BrowserPolicy> policy = app.shields.askedPolicy;
    if (!policy) {
        return;
    }
    removal::RemovalState& removal = app.removal;
    // Its own removal: the copy is saved whatever an earlier removal saved,
    // and the index names the policy as its threat.
    auto saved = std::exchange(removal.SavedRegistry, {});
    std::string threat =
        std::exchange(removal.CurrentThreat, scan::PolicyFindingName(app, *policy));
    removal::CreateQuarantineFolder(app.ports.fileSystem, app.DataFolder);
    const removal::TraceOutcome outcome = removal::RemoveRegistryTrace(
        app, scan::RootHandleText(static_cast<std::uint32_t>(policy->root)), policy->keyPath,
        policy->valueName);
    removal.SavedRegistry = std::move(saved);
    removal.CurrentThreat = std::move(threat);
    // Set again later, even to the same value, it is a new question.
    NoteBrowserPolicies(app);
    if (outcome != removal::TraceOutcome::Handled || StillThere(app, *policy)) {
        app.ports.dialogs.ShowMessage(
            base::ReplaceAll(app.Message("MSG_SHIELD_POLICY_NOT_REMOVED"), "[Policy]",
                             scan::PolicyFindingName(app, *policy)),
            app.branding.ProgramName, platform::MessageButtons::Ok,
            platform::MessageIcon::Exclamation);
    }
}

void NoteBrowserPolicies(core::Application& app) {
    // Before the first tick nothing is known yet, and that tick takes note.
    if (app.shields.knownPolicies) {
        app.shields.knownPolicies = PoliciesNow(scan::ReadRegistryPolicies(app.ports.registry));
    }
}

}  // namespace shields

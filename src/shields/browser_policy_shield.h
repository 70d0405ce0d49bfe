#pragma once

// The browser policy shield: on the home page shield's tick, the browser
// policies that set a start page, a search engine or a forced extension are
// read again, and one that appeared or changed since the last tick is put to
// the user, who keeps it or has it removed (saved in the quarantine first).

#include <string>
#include <string_view>

#include "browsers/browser_policies.h"
#include "scan/browser_policy_scan.h"

namespace core {
class Application;
}

namespace shields {

// Where the policies the user chose to keep are remembered, each under its
// place in the registry, with what it sets.
inline constexpr std::string_view kKeptPoliciesSection = scan::kKeptPoliciesSection;

// Reads the policies and asks about each new or changed one. The first call
// after the start only takes note of those present.
void CheckBrowserPolicies(core::Application& app);

// The question about a policy, as the alert window shows it.
[[nodiscard]] std::string BrowserPolicyQuestion(const core::Application& app,
                                                const scan::BrowserPolicy& policy);

// The alert's answers about the policy it asks about.
void KeepAskedPolicy(core::Application& app);
void RemoveAskedPolicy(core::Application& app);

// Takes note of the policies as they are now, after a removal or a restore
// changed them: one written back after its removal is a new question, and
// one the user just restored is not.
void NoteBrowserPolicies(core::Application& app);

}  // namespace shields

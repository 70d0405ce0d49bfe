#pragma once

// The browser policy check of a scan: on a machine that no organisation
// manages, every policy that sets a browser's pages, search engine or forced
// extensions is a finding of its own, which the removal deletes like any
// registry value (or, for a policy file, quarantines like any file).

#include <string>
#include <string_view>

#include "browsers/browser_policies.h"

namespace core {
class Application;
}

namespace scan {

// What the policy does, as its finding is named ("Chrome start page set to
// http://…"); a policy file's effects one after the other.
[[nodiscard]] std::string PolicyFindingName(const core::Application& app,
                                            const BrowserPolicy& policy);

// Where the policy is, as the safe list and the exclusions name it: the
// registry value's full path (the key's, for a whole key), or the file's.
[[nodiscard]] std::string PolicyLocation(const BrowserPolicy& policy);

// Where the policies that the user chose to keep (the shield's "Yes") are
// remembered, each under its location, with what it sets.
inline constexpr std::string_view kKeptPoliciesSection = "KeptBrowserPolicies";

// What a policy sets, to tell a changed one from the one seen before.
[[nodiscard]] std::string PolicyValue(const BrowserPolicy& policy);

// Whether the user kept the policy, at this location with this value: then
// it is theirs, and neither a finding nor a question.
[[nodiscard]] bool KeptByUser(const core::Application& app, const BrowserPolicy& policy);

// Every policy of the registry and the policy files, in that order.
[[nodiscard]] std::vector<BrowserPolicy> ReadBrowserPolicies(core::Application& app);

void ScanBrowserPolicies(core::Application& app);

}  // namespace scan

#pragma once

// What a browser policy written as JSON does: ExtensionSettings (a registry
// value or a member of a policy file), and Firefox's policies.json as a whole.

#include <string>
#include <vector>

#include "core/json_reader.h"
#include "scan/browser_policies.h"

namespace scan {

// The ids of the extensions that ExtensionSettings installs without asking
// ("force_installed" or "normal_installed"), in the order written.
[[nodiscard]] std::vector<std::string> InstalledExtensionIds(const core::JsonValue& settings);

// The effects of a policy file's "policies" object.
[[nodiscard]] std::vector<PolicyEffect> PolicyFileEffects(const core::JsonValue& document);

}  // namespace scan

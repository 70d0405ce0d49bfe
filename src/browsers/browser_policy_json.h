#pragma once

// What a browser policy written as JSON does: ExtensionSettings (a registry
// value or a member of a policy file), and Firefox's policies.json as a whole.

#include <string>
#include <string_view>
#include <vector>

#include "base/json_reader.h"
#include "browsers/browser_policies.h"

namespace scan {

// Whether an installation_mode installs the extension without asking.
[[nodiscard]] bool InstallsExtension(std::string_view mode);

// The ids of the extensions that ExtensionSettings installs without asking
// ("force_installed" or "normal_installed"), in the order written, each
// once. A browser applies the last of two equal names; an installation in
// any of them counts, so that none can be hidden behind another.
[[nodiscard]] std::vector<std::string> InstalledExtensionIds(const base::JsonValue& settings);

// The effects of a policy file's "policies" object.
[[nodiscard]] std::vector<PolicyEffect> PolicyFileEffects(const base::JsonValue& document);

}  // namespace scan

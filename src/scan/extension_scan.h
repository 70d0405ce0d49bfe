#pragma once

// The browser extension check of a scan: every extension of every browser
// profile, listed when a definition names it or when, installed neither from
// the browser's store nor by an organisation, it takes the browser's pages
// or search over or was put there by another program.

#include <string>
#include <string_view>
#include <vector>

#include "browsers/extension_inventory.h"

namespace core {
class Application;
}

namespace scan {

// Why an extension that no definition names is risky: the catalogue keys
// of every rule it meets, in the rules' order; none for one that is not.
// `userProfile` is the user's own folder, below which an unpacked
// extension's folder is the user's own work (unless it lies in the
// application data).
[[nodiscard]] std::vector<std::string_view> RiskReasons(const browsers::InstalledExtension& found,
                                                        std::string_view userProfile);

// Where a finding is, as the safe list and the exclusions name it: the
// extension's folder, or else the registry key or settings file that
// records it, with its ID.
[[nodiscard]] std::string ExtensionLocation(const browsers::InstalledExtension& found);

void ScanBrowserExtensions(core::Application& app);

}  // namespace scan

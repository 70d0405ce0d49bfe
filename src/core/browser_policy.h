#pragma once

// A browser policy as the scan finds it and the shields remember it: which
// browser, what it sets, and the registry value or file that holds it.

#include <string>
#include <vector>

#include "platform/registry.h"

namespace scan {

enum class PolicyKind {
    StartPage,
    StartupPage,
    StartupMode,
    NewTabPage,
    SearchEngine,
    SearchSetting,
    AddedSearchEngine,
    ForcedExtension,
    // A policy the browser may apply but that is beyond what is read (too
    // long, too deep, or unreadable): what it does is unknown.
    Unreadable,
};

struct PolicyEffect {
    PolicyKind kind = PolicyKind::StartPage;
    // What the policy sets: an address, a search engine's name, extension ids.
    std::string value;
    // The policy's own name, for the search settings that say no address.
    std::string setting;
};

struct BrowserPolicy {
    std::string browser;  // "Chrome", "Edge", "Brave", "Firefox"
    // A policy file says every effect it has; a registry value says one.
    std::vector<PolicyEffect> effects;
    // The registry value that holds it: the key's path as regedit shows it
    // (the 32-bit view's below WOW6432Node) and the value's name; an empty
    // value name stands for the whole key (a search engine Firefox adds).
    platform::RegistryRoot root = platform::RegistryRoot::LocalMachine;
    std::string keyPath;
    std::string valueName;
    // Or the policy file that holds it; then the registry fields are unused.
    std::string file;

    [[nodiscard]] bool InFile() const noexcept { return !file.empty(); }
};

}  // namespace scan

#pragma once

// What the shields keep between a check and the user's answer, and from one
// tick to the next.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/browser_policy.h"
#include "core/startup_items_state.h"

namespace platform {
class HeldProcess;
}

namespace shields {

struct ShieldState {
    // Ticks of the home page shield; every third also runs the memory shield.
    std::uint16_t HomePageTicks = 0;
    // The start page read from the registry, and the page the user wants.
    std::string currentPage;
    std::string rememberedPage;
    // Set by either button of the memory alert.
    bool AlertAnswered = false;
    // The process that the open memory alert is about, held by the pass
    // while the alert waits; nullptr otherwise, or when it could not be held.
    platform::HeldProcess* alertProcess = nullptr;
    // The browser policies the last tick saw, by where they are, with what
    // they set; none before the first tick, which takes those present as
    // known (finding them is the scan's job).
    std::optional<std::map<std::string, std::string>> knownPolicies;
    // The policy that the open alert asks about; without one the alert asks
    // about the start page.
    std::optional<scan::BrowserPolicy> askedPolicy;
    // The startup places the shield watches as the last tick saw them: each
    // entry's place with what it held; none before the first tick, which
    // takes those present as known (finding them is the scan's job).
    std::optional<std::map<std::string, std::string>> knownStartupEntries;
    // The hosts file, its size and last write when it was last read, and
    // its entries then: it is read again only when one of those changed.
    std::string hostsFile;
    std::optional<std::pair<std::uint64_t, std::uint64_t>> hostsStamp;
    std::vector<startup_items::StartupEntry> hostsEntries;
    // The startup entry that the open alert asks about.
    std::optional<startup_items::JudgedEntry> askedStartupItem;
    // The browser extensions of the profiles as the last tick saw them (by
    // browser, settings file and ID), and the stamp of their settings files
    // then: the files are read again only when that changes.
    std::optional<std::set<std::string>> knownExtensions;
    std::string extensionStamp;
    // The extension that the open alert asks about: its browser, where it
    // is (as the scan names it) and its name as shown.
    struct AskedExtension {
        std::string browser;
        std::string location;
        std::string name;
    };
    std::optional<AskedExtension> askedExtension;
    // A shield pass is under way (it may be waiting for the user).
    bool passRunning = false;
};

// Marks a shield pass as under way for its own lifetime.
class PassGuard {
public:
    explicit PassGuard(ShieldState& state) : m_state(state) { m_state.passRunning = true; }
    ~PassGuard() { m_state.passRunning = false; }
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;

private:
    ShieldState& m_state;
};

}  // namespace shields

#pragma once

// The startup places' part of a scan: every entry read, completed with what
// it starts and who made that file, judged by the rules, and the suspicious
// ones entered as findings of type "Startup item" or "Hijack point", subject
// to the safe list and the exclusions like every finding.

#include <optional>
#include <string>
#include <string_view>

#include "core/startup_items_state.h"
#include "platform/platform.h"
#include "startup_items/startup_rules.h"

namespace core {
class Application;
}

namespace startup_items {

// The folders the rules judge by, from the shell and the environment.
[[nodiscard]] RuleFolders FoldersOf(platform::Platform& ports);

// Reads every place and completes each entry; each file's signature is
// checked once, however many entries start it.
void ReadStartupItems(platform::Platform& ports, StartupItemsState& state);

// Whether a removal takes the entry away as a trace of its own: the
// registry values whose deletion undoes what they do, and the files of the
// Startup folders.
[[nodiscard]] bool IsRemovable(Category category);
// Whether a removal changes the entry where it is instead: values set back
// to the system's own, hosts lines commented out, a browser shortcut's
// arguments cleaned, a service disabled, a task deleted after its export.
[[nodiscard]] bool IsChangedInPlace(Category category);
// A shortcut named after a browser that starts another program: it goes as
// a file, like a Startup folder's.
[[nodiscard]] bool IsFakeBrowser(const JudgedEntry& judged);

// The catalogue key of the reason why a checked finding of the removal list
// (its name and location) cannot be removed; nullopt for every other row.
[[nodiscard]] std::optional<std::string_view> UnremovableReason(const StartupItemsState& state,
                                                                std::string_view findingName,
                                                                std::string_view location);

void ScanStartupItems(core::Application& app);

// What the entry starts and that file's facts, as a scan completes each
// entry it reads.
void CompleteEntry(platform::Platform& ports, StartupEntry& entry);
// The name of the entry's finding on the results page.
[[nodiscard]] std::string FindingNameOf(const core::Application& app, const StartupEntry& entry,
                                        const Verdict& verdict);

// Where the entries that the user chose to keep when the shield asked are
// remembered: each under its place, with what it held then.
inline constexpr std::string_view kKeptStartupItemsSection = "KeptStartupItems";
// What is remembered of a kept entry.
[[nodiscard]] std::string KeptValue(const StartupEntry& entry);
// Whether the user kept the entry as it is now: then it is no finding.
[[nodiscard]] bool KeptByUser(const core::Application& app, const StartupEntry& entry);

}  // namespace startup_items

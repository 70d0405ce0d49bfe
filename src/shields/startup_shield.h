#pragma once

// The startup places' shield: on the home page shield's tick, the Run keys,
// Winlogon, the AppInit libraries, the debuggers set on other programs, the
// proxy settings and the hosts file are compared with what the last tick
// saw, and a new or changed entry that the rules judge suspicious is put to
// the user, who keeps it (remembered) or has it removed through the
// removal's save-first path. Only what changed is judged; the hosts file is
// read again only when its size or time of last write changed.

#include <string>

#include "core/startup_items_state.h"

namespace core {
class Application;
}

namespace shields {

// Reads the places and asks about each new or changed suspicious entry. The
// first call after the start only takes note of those present.
void CheckStartupPlaces(core::Application& app);

// The question about an entry, as the alert window shows it.
[[nodiscard]] std::string StartupItemQuestion(const core::Application& app,
                                              const startup_items::JudgedEntry& judged);

// The alert's answers about the entry it asks about.
void KeepAskedStartupItem(core::Application& app);
void RemoveAskedStartupItem(core::Application& app);

// Takes note of the places as they are now, after a removal or a restore
// changed them: an entry the user just restored is no question.
void NoteStartupPlaces(core::Application& app);

}  // namespace shields

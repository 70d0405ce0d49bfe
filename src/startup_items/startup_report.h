#pragma once

// The report's section of every startup entry that the last scan read, one
// line each, so that one log shows a helper the machine's startup as a whole:
//
//   [Startup Items and Hijack Points]
//   Category | Where | Starts | Publisher | Company | File | Verdict
//   Run | HKEY_CURRENT_USER\...\Run\Updater | C:\...\upd.exe /q | not signed | | exists | Startup
//   item: ... Hosts | C:\...\hosts | 1200 lines that block names | | | | clean Entries = 14,
//   findings = 2
//
// The fields are separated by " | " and never hold a line end or a "|" of
// their own (one in the text is written as "/"). "Where" is followed by what
// else the place says in brackets (a service's display name and start type).
// "Starts" is the program with
// its arguments, or what the place holds when it starts no program.
// "Publisher" is the signer's name, "not signed", or "signature not valid"
// with the signer's name in brackets; "File" is "exists" or "missing"; both
// are empty for places that start no program. "Verdict" is "clean", or the
// finding's type and the rule's reason.

#include <string>

namespace core {
class Application;
}

namespace startup_items {

// The section's text, each line ended by CR LF; "" when the last scan did not
// read the startup places.
[[nodiscard]] std::string StartupReportSection(const core::Application& app);

}  // namespace startup_items

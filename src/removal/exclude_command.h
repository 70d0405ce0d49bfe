#pragma once

// The Exclude button of the results page and the Quarantine menu's "View
// Exclusions".

namespace core {
class Application;
}

namespace removal {

// Adds the checked findings to the exclusion list and takes them off the
// lists, after asking.
void cmdExclude_Click(core::Application& app);

// Opens the exclusion file in Notepad.
void ViewExclusions(core::Application& app);

void AttachExcludeCommand(core::Application& app);

}  // namespace removal

#pragma once

// The browser policy shield's watch on browser extensions: on its tick, an
// extension that has appeared in any browser profile since the last tick is
// put to the user, who keeps it (remembered) or has it removed as a scan's
// removal would, with the browser closed.

#include <string_view>

namespace core {
class Application;
}

namespace shields {

// Where the extensions the user chose to keep are remembered, each under
// where it is, with its ID.
inline constexpr std::string_view kKeptExtensionsSection = "KeptExtensions";

// Takes note of the extensions present on the first call; asks about each
// new one on later calls. Reads the settings only when their files changed.
void CheckBrowserExtensions(core::Application& app);

// Takes note of the extensions as they are now, after a restore put one
// back: the user brought it back, so it is no question.
void NoteBrowserExtensions(core::Application& app);

// The alert's answers about the extension it asks about.
void KeepAskedExtension(core::Application& app);
void RemoveAskedExtension(core::Application& app);

}  // namespace shields

#pragma once

// The handlers of the option controls: each stores its value the moment it
// changes, and some switch other controls with it. The shields' own options
// are in shields/.

namespace core {
class Application;
}  // namespace core

namespace app {

void AttachOptionHandlers(core::Application& app);

}  // namespace app

#pragma once

// The shields' settings on the status and options pages: each control stores
// its choice at once and switches its shield's timer with it.

namespace core {
class Application;
}

namespace shields {

void AttachShieldOptions(core::Application& app);

}  // namespace shields

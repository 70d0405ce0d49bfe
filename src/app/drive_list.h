#pragma once

// The drives a complete scan may cover, and the check mark of each, which is
// kept per drive letter in the settings.

namespace core {
class Application;
}  // namespace core

namespace app {

// Lists the removable, network and CD drives, and the fixed drives that are
// ready, by their bare letter.
void FillDriveList(core::Application& app);

// Attaches the handler that stores every drive's check mark when the user
// changes one.
void AttachDriveList(core::Application& app);

}  // namespace app

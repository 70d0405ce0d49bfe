#pragma once

// The drives a complete scan may cover, and the check mark of each, which is
// kept per drive letter in the settings.

namespace core {

class Application;

// Lists the removable, network and CD drives, and the fixed drives that are
// ready, by their bare letter.
void FillDriveList(Application& app);

// Attaches the handler that stores every drive's check mark when the user
// changes one.
void AttachDriveList(Application& app);

}  // namespace core

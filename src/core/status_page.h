#pragma once

// The status page: definition count and date, program version, removed
// count, and the times of the last scans.

namespace core {

class Application;

void RefreshStatusPage(Application& app);

}  // namespace core

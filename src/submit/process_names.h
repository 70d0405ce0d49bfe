#pragma once

// The automatic submission: the names of the running executables, as the
// management service lists them, sent to the data collection server.

#include <string>

#include "platform/management.h"

namespace core {
class Application;
}

namespace submit {

// The line-coded Name of every running process but the system's own and the
// browsers', separated by "|"; "" when there is none or the service fails.
[[nodiscard]] std::string ListProcessNamesWmi(platform::Management& management);

// Sends the process names, unless there are none; the answer is not read
// and a failure is not reported.
void SubmitProcessNames(core::Application& app);

}  // namespace submit

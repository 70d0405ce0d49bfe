#pragma once

// The process's rights under User Account Control, and the way to get the
// administrators' full rights for one piece of work: this program started
// again elevated, which on Windows raises the consent prompt.

#include <string_view>

namespace platform {

enum class ElevatedRunOutcome {
    Finished,  // the elevated program ran and ended; its exit code is set
    Declined,  // the user said No to the prompt
    Failed,    // it could not be started; error holds the platform's number
};

struct ElevatedRunResult {
    ElevatedRunOutcome outcome = ElevatedRunOutcome::Failed;
    unsigned long exitCode = 0;
    long error = 0;
};

class Elevation {
public:
    virtual ~Elevation() = default;

    // True when this process holds the administrators' full rights (run as
    // administrator, or a system without User Account Control).
    [[nodiscard]] virtual bool IsElevated() = 0;
    // Starts this program's own file again with full rights and these
    // command-line arguments, and waits until it ends.
    [[nodiscard]] virtual ElevatedRunResult RunElevated(std::string_view arguments) = 0;
};

}  // namespace platform

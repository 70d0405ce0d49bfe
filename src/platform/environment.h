#pragma once

// The process's environment variables, by which Windows writes the paths of
// many commands (%SystemRoot%, %ProgramFiles%, %TEMP%).

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Environment {
public:
    virtual ~Environment() = default;

    // The variable's value (names compare without regard to case); nullopt
    // when it is not set.
    [[nodiscard]] virtual std::optional<std::string> Variable(std::string_view name) = 0;
};

}  // namespace platform

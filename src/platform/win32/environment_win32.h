#pragma once

// The environment port on GetEnvironmentVariable.

#include "platform/environment.h"

namespace platform::win32 {

class EnvironmentWin32 : public platform::Environment {
public:
    [[nodiscard]] std::optional<std::string> Variable(std::string_view name) override;
};

}  // namespace platform::win32

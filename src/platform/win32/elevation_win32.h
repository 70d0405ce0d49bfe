#pragma once

// The elevation port on the process token and ShellExecuteEx's "runas".

#include "platform/elevation.h"

namespace platform::win32 {

class ElevationWin32 : public platform::Elevation {
public:
    [[nodiscard]] bool IsElevated() override;
    [[nodiscard]] ElevatedRunResult RunElevated(std::string_view arguments) override;
};

}  // namespace platform::win32

#pragma once

// The services port on the service control manager: EnumServicesStatusEx,
// then each service's QueryServiceConfig.

#include "platform/services.h"

namespace platform::win32 {

class ServicesWin32 : public platform::Services {
public:
    [[nodiscard]] std::optional<std::vector<ServiceConfig>> ListServices() override;
};

}  // namespace platform::win32

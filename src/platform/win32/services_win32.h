#pragma once

// The services port on the service control manager: EnumServicesStatusEx,
// then each service's QueryServiceConfig; ChangeServiceConfig for its start
// type.

#include "platform/services.h"

namespace platform::win32 {

class ServicesWin32 : public platform::Services {
public:
    [[nodiscard]] std::optional<std::vector<ServiceConfig>> ListServices() override;
    [[nodiscard]] std::optional<ServiceConfig> QueryService(std::string_view name) override;
    [[nodiscard]] ServiceChange SetStartType(std::string_view name, ServiceStart start) override;
};

}  // namespace platform::win32

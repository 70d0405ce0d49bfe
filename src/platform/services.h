#pragma once

// The services that the service control manager starts: each one's name,
// display name, start type and the command line of its program; and the
// change of one service's start type.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The service control manager's start types.
enum class ServiceStart : std::uint32_t {
    Boot = 0,
    System = 1,
    Automatic = 2,
    Manual = 3,
    Disabled = 4,
};

struct ServiceConfig {
    std::string name;
    std::string displayName;
    ServiceStart start = ServiceStart::Manual;
    // The command line as configured (variables not expanded).
    std::string imagePath;
};

enum class ServiceChange {
    Changed,
    NotFound,      // no service of that name
    AccessDenied,  // the manager refused (a standard user)
    Failed,
};

class Services {
public:
    virtual ~Services() = default;

    // Every service of its own program (drivers and services shared in a
    // host process of the system included as the manager lists them);
    // nullopt when the manager cannot be asked. A service whose
    // configuration cannot be read is left out.
    [[nodiscard]] virtual std::optional<std::vector<ServiceConfig>> ListServices() = 0;

    // One service's configuration as the manager holds it now; nullopt when
    // there is none of that name or it cannot be read.
    [[nodiscard]] virtual std::optional<ServiceConfig> QueryService(std::string_view name) = 0;

    // Sets how the service is started; the rest of its configuration stays.
    [[nodiscard]] virtual ServiceChange SetStartType(std::string_view name, ServiceStart start) = 0;
};

}  // namespace platform

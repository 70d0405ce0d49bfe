#pragma once

// The services that the service control manager starts: each one's name,
// display name, start type and the command line of its program.

#include <cstdint>
#include <optional>
#include <string>
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

class Services {
public:
    virtual ~Services() = default;

    // Every service of its own program (drivers and services shared in a
    // host process of the system included as the manager lists them);
    // nullopt when the manager cannot be asked. A service whose
    // configuration cannot be read is left out.
    [[nodiscard]] virtual std::optional<std::vector<ServiceConfig>> ListServices() = 0;
};

}  // namespace platform

#pragma once

// Whether an organisation manages the machine: joined to a domain, or
// enrolled in a device management service. Its administrators set browser
// policies on purpose, so on such a machine they are nobody's hijack.

namespace platform {

class DeviceManagement {
public:
    virtual ~DeviceManagement() = default;

    // False when the platform cannot tell: a home machine is the one that
    // needs the policies shown.
    [[nodiscard]] virtual bool ManagedByOrganisation() = 0;
};

}  // namespace platform

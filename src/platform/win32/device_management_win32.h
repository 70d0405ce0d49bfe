#pragma once

// Whether the machine is joined to a domain (the network join query) or
// enrolled in device management (the management registration query). Both
// libraries are looked up at run time: the registration one is missing
// before Windows 10, and an old system may lack the join query too.

#include "platform/device_management.h"

namespace platform::win32 {

class DeviceManagementWin32 : public platform::DeviceManagement {
public:
    [[nodiscard]] bool ManagedByOrganisation() override;
};

}  // namespace platform::win32

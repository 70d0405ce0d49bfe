#pragma once

// The registry port on the Win32 registry API, in the native view (no WOW64
// redirection). Status codes are the API's own LSTATUS values.

#include "platform/registry.h"

namespace platform::win32 {

class RegistryWin32 : public platform::Registry {
public:
    [[nodiscard]] RegistryOpenResult OpenKey(RegistryRoot root, std::string_view path,
                                             std::uint32_t access) override;
    [[nodiscard]] RegistryOpenResult CreateKey(RegistryRoot root, std::string_view path,
                                               std::uint32_t access) override;
    [[nodiscard]] long DeleteTree(RegistryRoot root, std::string_view path) override;
};

}  // namespace platform::win32

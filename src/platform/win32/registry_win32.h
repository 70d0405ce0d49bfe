#pragma once

// The registry port on the Win32 registry API; the views are the API's
// WOW64 flags. Status codes are the API's own LSTATUS values.

#include "platform/registry.h"

namespace platform::win32 {

class RegistryWin32 : public platform::Registry {
public:
    using Registry::CreateKey;
    using Registry::DeleteTree;
    using Registry::OpenKey;

    [[nodiscard]] RegistryOpenResult OpenKey(RegistryRoot root, std::string_view path,
                                             std::uint32_t access, RegistryView view) override;
    [[nodiscard]] RegistryOpenResult CreateKey(RegistryRoot root, std::string_view path,
                                               std::uint32_t access, RegistryView view) override;
    [[nodiscard]] long DeleteTree(RegistryRoot root, std::string_view path,
                                  RegistryView view) override;
    [[nodiscard]] bool HasWow32View() override;
};

}  // namespace platform::win32

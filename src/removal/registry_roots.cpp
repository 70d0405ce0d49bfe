#include "removal/registry_roots.h"

#include <cstdint>

#include "base/text.h"

namespace removal {

namespace {

constexpr RootKey kRootKeys[] = {
    {platform::RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {platform::RegistryRoot::CurrentUser, "HKEY_CURRENT_USER"},
    {platform::RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE"},
    {platform::RegistryRoot::Users, "HKEY_USERS"},
    {platform::RegistryRoot::CurrentConfig, "HKEY_CURRENT_CONFIG"},
    {platform::RegistryRoot::DynData, "HKEY_DYN_DATA"},
};

}  // namespace

std::optional<RootKey> RootKeyOfHandleText(std::string_view rootText) {
    const std::optional<double> number = base::WholeNumber(rootText);
    if (!number) {
        return std::nullopt;
    }
    const auto handle = static_cast<std::uint32_t>(static_cast<std::int64_t>(*number));
    for (const RootKey& root : kRootKeys) {
        if (static_cast<std::uint32_t>(root.handle) == handle) {
            return root;
        }
    }
    return std::nullopt;
}

std::optional<RootKey> RootKeyOfName(std::string_view name) {
    for (const RootKey& root : kRootKeys) {
        if (base::EqualsIgnoreCase(root.name, name)) {
            return root;
        }
    }
    return std::nullopt;
}

}  // namespace removal

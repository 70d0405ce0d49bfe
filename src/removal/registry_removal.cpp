#include "removal/registry_removal.h"

#include <cstdint>
#include <optional>
#include <string>

#include "core/application.h"
#include "core/text.h"
#include "removal/quarantine_log.h"
#include "scan/registry_views.h"

namespace removal {

namespace {

struct RootKey {
    platform::RegistryRoot handle;
    std::string_view name;
};

constexpr RootKey kRootKeys[] = {
    {platform::RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {platform::RegistryRoot::CurrentUser, "HKEY_CURRENT_USER"},
    {platform::RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE"},
    {platform::RegistryRoot::Users, "HKEY_USERS"},
    {platform::RegistryRoot::CurrentConfig, "HKEY_CURRENT_CONFIG"},
    {platform::RegistryRoot::DynData, "HKEY_DYN_DATA"},
};

// The root key of a row; nullopt for a number that names none, which is
// then never handed to the registry as a handle.
std::optional<RootKey> RootKeyOf(std::string_view rootText) {
    const std::optional<double> number = core::WholeNumber(rootText);
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

// Deletes the value and writes its record, whether the delete succeeded or
// not: the record says what the removal asked for.
void DeleteValue(core::Application& app, const RootKey& root, const std::string& key,
                 const std::string& value) {
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryOpenResult opened = registry.OpenKey(
        root.handle, key, platform::reg_access::kSetValue, scan::LiteralView(registry));
    if (opened.key) {
        [[maybe_unused]] const long status = opened.key->DeleteValue(value);
    }
    LogRegistryRemoval(app, std::string(root.name) + "\\" + key, value);
}

}  // namespace

void RemoveRegistryTrace(core::Application& app, std::string_view rootText,
                         std::string_view keyPath, std::string_view valueName) {
    const std::string trimmedRoot = core::Trim(rootText);
    const std::string key = core::Trim(keyPath);
    const std::string value = core::Trim(valueName);
    if (trimmedRoot.empty() || key.empty()) {
        return;
    }
    const std::optional<RootKey> root = RootKeyOf(trimmedRoot);
    if (!root) {
        // Nothing is handed to the registry, but the record of what was asked
        // for is written as for any value; the key itself cannot have gone.
        LogRegistryRemoval(app, trimmedRoot + "\\" + key, value);
        return;
    }
    DeleteValue(app, *root, key, value);
    if (!value.empty()) {
        return;
    }
    // The row names its key as regedit shows it (a 32-bit program's key below
    // WOW6432Node), which only the 64-bit view takes literally.
    platform::Registry& registry = app.ports.registry;
    if (registry.DeleteTree(root->handle, key, scan::LiteralView(registry)) ==
        platform::reg_status::kOk) {
        const auto signedHandle = static_cast<std::int32_t>(root->handle);
        LogRegistryRemoval(app, std::to_string(signedHandle) + "\\" + key, "All Values");
    }
}

}  // namespace removal

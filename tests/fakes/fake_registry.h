#pragma once

// An in-memory registry: keys and value names compare without regard to
// case, and a key can be set to refuse some access rights.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace fakes {

class FakeRegistry : public platform::Registry {
public:
    platform::RegistryOpenResult OpenKey(platform::RegistryRoot root, std::string_view path,
                                         std::uint32_t access) override;
    platform::RegistryOpenResult CreateKey(platform::RegistryRoot root, std::string_view path,
                                           std::uint32_t access) override;
    long DeleteTree(platform::RegistryRoot root, std::string_view path) override;

    // Test set-up and inspection.
    void SetString(platform::RegistryRoot root, std::string_view path, std::string_view name,
                   std::string_view text);
    void SetValue(platform::RegistryRoot root, std::string_view path, std::string_view name,
                  platform::RegistryValue value);
    [[nodiscard]] std::optional<platform::RegistryValue> Value(platform::RegistryRoot root,
                                                               std::string_view path,
                                                               std::string_view name) const;
    // The string stored, without its terminating NUL; nullopt when absent.
    [[nodiscard]] std::optional<std::string> String(platform::RegistryRoot root,
                                                    std::string_view path,
                                                    std::string_view name) const;
    [[nodiscard]] bool KeyExists(platform::RegistryRoot root, std::string_view path) const;
    // Opening or creating the key with any of these rights fails with
    // "access denied"; so do writes through a key opened otherwise.
    void DenyAccess(platform::RegistryRoot root, std::string_view path, std::uint32_t rights);

    // Keys opened or created through the port, failed attempts too: every
    // read or write of a setting opens its key.
    int opens = 0;

    struct KeyData {
        std::map<std::string, platform::RegistryValue> values;  // by upper-cased name
        std::map<std::string, std::string> names;               // upper-cased -> as written
        std::uint32_t deniedRights = 0;
    };

private:
    KeyData& Ensure(platform::RegistryRoot root, std::string_view path);
    [[nodiscard]] static std::string KeyId(platform::RegistryRoot root, std::string_view path);

    std::map<std::string, KeyData> m_keys;  // by root and upper-cased path
};

}  // namespace fakes

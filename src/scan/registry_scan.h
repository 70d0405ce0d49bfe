#pragma once

// The registry phase of a scan: the keys and values that the registry
// definitions name, and the registry reads it shares.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace core {
class Application;
}

namespace scan {

// The access a key is opened with to see whether it, or a value of it, is
// there: reading only. A machine-wide key refuses writes to a program that
// runs with a standard user's rights, or an administrator's filtered ones,
// and is there all the same.
inline constexpr std::uint32_t kTraceKeyAccess = platform::reg_access::kQueryValue;

inline constexpr std::uint32_t kNoRoot = 0xFFFFFFFFu;  // -1: a code that names no root

// The root key of a definition's root code, and its name in `rootName`
// ("" when the code is unusable).
[[nodiscard]] std::uint32_t RegistryRootFromCode(std::string_view code, std::string& rootName);

// True also for a key that refuses even reading: it is there.
[[nodiscard]] bool RegistryKeyExists(platform::Registry& registry, std::uint32_t root,
                                     std::string_view keyPath,
                                     platform::RegistryView view = platform::RegistryView::Default);

// Reads a string, expandable string or 32-bit number value as text. Status 0
// on success; -1 for other types and absent values; otherwise the registry's
// error code.
[[nodiscard]] long ReadRegistryValue(platform::RegistryKey& key, std::string_view valueName,
                                     std::string& value);

[[nodiscard]] bool RegistryValueExists(
    platform::Registry& registry, std::uint32_t root, std::string_view keyPath,
    std::string_view valueName, std::string& value,
    platform::RegistryView view = platform::RegistryView::Default);

// The registry phase. On 64-bit Windows each record is looked for in both
// views; a key of the 32-bit view is its own trace, named by its path below
// WOW6432Node, and the record still counts once.
void ScanRegistry(core::Application& app);

}  // namespace scan

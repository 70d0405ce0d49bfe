#pragma once

// The registry access of the home page shield: one text value read or
// written, the key opened and closed within the call.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace shields {

// Reads a value as text. A key or value that cannot be read, or a value of
// more than 1024 bytes, empties the text and gives false. A value of a type
// that is neither text nor a number leaves the text as it was.
[[nodiscard]] bool ReadRegistryText(platform::Registry& registry, platform::RegistryRoot root,
                                    std::string_view keyPath, std::string_view valueName,
                                    std::string& text);

// Writes a text value (REG_SZ) under HKEY_CURRENT_USER into a key that
// exists; other types are not written, and failures are ignored.
void WriteRegistryValue(platform::Registry& registry, std::string_view keyPath,
                        std::string_view valueName, std::string_view value, std::uint32_t type);

}  // namespace shields

#pragma once

// Deleting one registry trace of the removal list, with its log records.

#include <string_view>

namespace core {
class Application;
}

namespace removal {

// The root handle as the row writes it (a signed decimal number), the key
// path and the value name; an empty value name deletes the key's default
// value and then the whole key with its subkeys. The key path is taken as
// regedit shows it, in the 64-bit view where there are two.
void RemoveRegistryTrace(core::Application& app, std::string_view rootText,
                         std::string_view keyPath, std::string_view valueName);

}  // namespace removal

#pragma once

// The registry's root keys by the names regedit gives them and by the
// handle numbers that the removal list writes.

#include <optional>
#include <string_view>

#include "platform/registry.h"

namespace removal {

struct RootKey {
    platform::RegistryRoot handle;
    std::string_view name;  // HKEY_CURRENT_USER and so on
};

// The root whose handle the text writes as a decimal number (signed or
// not); nullopt for a number that names none.
[[nodiscard]] std::optional<RootKey> RootKeyOfHandleText(std::string_view rootText);
// The root of that name, in any letter case; nullopt for any other text.
[[nodiscard]] std::optional<RootKey> RootKeyOfName(std::string_view name);

}  // namespace removal

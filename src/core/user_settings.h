#pragma once

// The per-user settings store: named strings kept in the current user's
// registry hive, one key per application and section below a fixed root.

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace core {

// The key below HKEY_CURRENT_USER that holds every application's settings.
inline constexpr std::string_view kUserSettingsRoot = "Software\\Anti-Spyware Settings";

// The stored value, or the default when it is absent or not a string.
[[nodiscard]] std::string ReadUserSetting(platform::Registry& registry,
                                          std::string_view application, std::string_view section,
                                          std::string_view key, std::string_view defaultValue);

// Stores the value; a write that the platform refuses is not reported.
void WriteUserSetting(platform::Registry& registry, std::string_view application,
                      std::string_view section, std::string_view key, std::string_view value);

}  // namespace core

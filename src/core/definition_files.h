#pragma once

// The names of the files in the data folder that hold the definitions, the
// safe list, the exclusions and the definitions date.

#include <string>
#include <string_view>

namespace definitions {

inline constexpr std::string_view kRegistryDefinitions = "RegistryDefinition.dat";
inline constexpr std::string_view kFileDefinitions = "FileDefinition.dat";
inline constexpr std::string_view kDirectoryDefinitions = "DirectoryDefinition.dat";
inline constexpr std::string_view kExeDefinitions = "ExeDefinition.dat";
inline constexpr std::string_view kBlockedCookies = "BlockedCookies.dat";
inline constexpr std::string_view kExtensionDefinitions = "ExtensionDefinition.dat";
inline constexpr std::string_view kSafetyList = "Safety.dat";
inline constexpr std::string_view kExclusions = "ENoSignature.dat";
inline constexpr std::string_view kDefinitionsDate = "date.dat";

// A staged copy of a definition file carries this prefix.
inline constexpr std::string_view kStagedPrefix = "DL";

// The path of a file in the data folder.
[[nodiscard]] inline std::string DataFile(std::string_view dataFolder, std::string_view name) {
    std::string path(dataFolder);
    path.append("\\").append(name);
    return path;
}

}  // namespace definitions

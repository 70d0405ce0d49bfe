#pragma once

// How many lines each kind of definition file holds; the scan sizes its
// progress display by them.

#include <cstdint>
#include <string_view>

#include "platform/file_system.h"

namespace definitions {

struct DefinitionCounts {
    std::int32_t CookieDefinitionCount = 0;
    std::int32_t ExeDefinitionCount = 0;
    std::int32_t RegistryDefinitionCount = 0;
    // The lines of the file and of the folder definitions together.
    std::int32_t FileDefinitionCount = 0;
    // The browser extensions' file, which a complete set may lack.
    std::int32_t ExtensionDefinitionCount = 0;
};

// Counts the lines (blank ones included) of the definition files that
// exist, fills the per-kind counters and returns the total.
std::int32_t CountDefinitions(platform::FileSystem& fs, std::string_view dataFolder,
                              DefinitionCounts& counts);

}  // namespace definitions

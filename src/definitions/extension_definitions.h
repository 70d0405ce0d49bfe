#pragma once

// The browser extensions that the definitions name, from
// ExtensionDefinition.dat: an optional file, which a data folder without it
// reads as naming none.

#include <string_view>
#include <vector>

#include "definitions/records.h"

namespace platform {
class FileSystem;
class TextCodec;
}  // namespace platform

namespace definitions {

// The file's records in its order; lines that follow no layout are passed over.
[[nodiscard]] std::vector<ExtensionRecord> ReadExtensionDefinitions(platform::FileSystem& fs,
                                                                    platform::TextCodec& codec,
                                                                    std::string_view dataFolder);

// The first record that names the extension, or nullptr.
[[nodiscard]] const ExtensionRecord* FindExtensionDefinition(
    const std::vector<ExtensionRecord>& records, std::string_view extensionId,
    std::string_view familyName);

}  // namespace definitions

#include "definitions/extension_definitions.h"

#include "core/definition_files.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"

namespace definitions {

std::vector<ExtensionRecord> ReadExtensionDefinitions(platform::FileSystem& fs,
                                                      platform::TextCodec& codec,
                                                      std::string_view dataFolder) {
    std::vector<ExtensionRecord> records;
    const std::optional<std::vector<std::string>> lines =
        core::ReadTextLines(fs, DataFile(dataFolder, kExtensionDefinitions));
    if (!lines) {
        return records;
    }
    for (const std::string& line : *lines) {
        if (std::optional<ExtensionRecord> record =
                ParseExtensionRecord(DecodeDefinitionText(line, codec))) {
            records.push_back(std::move(*record));
        }
    }
    return records;
}

const ExtensionRecord* FindExtensionDefinition(const std::vector<ExtensionRecord>& records,
                                               std::string_view extensionId,
                                               std::string_view familyName) {
    for (const ExtensionRecord& record : records) {
        if (record.Names(extensionId, familyName)) {
            return &record;
        }
    }
    return nullptr;
}

}  // namespace definitions

#include "definitions/definitions_date.h"

#include "core/file_predicates.h"
#include "core/text_lines.h"
#include "definitions/definition_files.h"

namespace definitions {

std::string ReadDefinitionsDate(platform::FileSystem& fs, std::string_view dataFolder) {
    const std::string path = DataFile(dataFolder, kDefinitionsDate);
    if (!core::FileExists(fs, path)) {
        return std::string(kDefaultDefinitionsDate);
    }
    return core::ReadFirstLine(fs, path).value_or("");
}

void WriteDefinitionsDate(platform::FileSystem& fs, std::string_view dataFolder,
                          std::string_view text) {
    const std::string path = DataFile(dataFolder, kDefinitionsDate);
    [[maybe_unused]] const bool removed = fs.RemoveFile(path);
    [[maybe_unused]] const bool written = fs.WriteWholeFile(path, std::string(text) + "\r\n");
}

}  // namespace definitions

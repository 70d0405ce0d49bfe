#include "core/definitions_date.h"

#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "core/file_replace.h"
#include "core/text_lines.h"

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
    // Replaced in one step: a date.dat lost halfway would make the next
    // update ask for every change since the first definitions, and append
    // them all a second time.
    const std::string path = DataFile(dataFolder, kDefinitionsDate);
    [[maybe_unused]] const bool replaced =
        core::ReplaceFileContent(fs, path, std::string(text) + "\r\n", path + ".new");
}

}  // namespace definitions

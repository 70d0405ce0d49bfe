#include "core/definition_counts.h"

#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "core/text_lines.h"

namespace definitions {

namespace {

std::int32_t LinesOf(platform::FileSystem& fs, std::string_view dataFolder, std::string_view name) {
    const std::string path = DataFile(dataFolder, name);
    if (!core::FileExists(fs, path)) {
        return 0;
    }
    return static_cast<std::int32_t>(
        core::ReadTextLines(fs, path).value_or(std::vector<std::string>{}).size());
}

}  // namespace

std::int32_t CountDefinitions(platform::FileSystem& fs, std::string_view dataFolder,
                              DefinitionCounts& counts) {
    counts = DefinitionCounts{};
    counts.CookieDefinitionCount = LinesOf(fs, dataFolder, kBlockedCookies);
    counts.ExeDefinitionCount = LinesOf(fs, dataFolder, kExeDefinitions);
    counts.RegistryDefinitionCount = LinesOf(fs, dataFolder, kRegistryDefinitions);
    counts.FileDefinitionCount =
        LinesOf(fs, dataFolder, kFileDefinitions) + LinesOf(fs, dataFolder, kDirectoryDefinitions);
    counts.ExtensionDefinitionCount = LinesOf(fs, dataFolder, kExtensionDefinitions);
    return counts.CookieDefinitionCount + counts.ExeDefinitionCount +
           counts.RegistryDefinitionCount + counts.FileDefinitionCount +
           counts.ExtensionDefinitionCount;
}

}  // namespace definitions

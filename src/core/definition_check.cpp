#include "core/definition_check.h"

#include <array>

#include "core/definition_files.h"
#include "core/file_predicates.h"

namespace definitions {

bool DefinitionFilesPresent(platform::FileSystem& fs, std::string_view dataFolder) {
    static constexpr std::array<std::string_view, 5> kRequired{
        kFileDefinitions, kRegistryDefinitions, kExeDefinitions, kBlockedCookies,
        kDirectoryDefinitions};
    for (std::string_view name : kRequired) {
        if (!core::FileExists(fs, DataFile(dataFolder, name))) {
            return false;
        }
    }
    return true;
}

bool CheckDefinitionFiles(platform::FileSystem& fs, std::string_view dataFolder) {
    if (DefinitionFilesPresent(fs, dataFolder)) {
        return true;
    }
    DeleteDefinitionFiles(fs, dataFolder);
    return false;
}

void DeleteDefinitionFiles(platform::FileSystem& fs, std::string_view dataFolder) {
    static constexpr std::array<std::string_view, 6> kDeleted{
        kDirectoryDefinitions, kBlockedCookies,  kExeDefinitions,
        kRegistryDefinitions,  kFileDefinitions, kDefinitionsDate};
    for (std::string_view name : kDeleted) {
        [[maybe_unused]] const bool removed = fs.RemoveFile(DataFile(dataFolder, name));
    }
}

}  // namespace definitions

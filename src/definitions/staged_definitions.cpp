#include "definitions/staged_definitions.h"

#include <array>

#include "core/definition_files.h"
#include "core/file_predicates.h"

namespace definitions {

void PromoteDownloadedDefinitions(platform::FileSystem& fs, std::string_view dataFolder) {
    static constexpr std::array<std::string_view, 4> kPromoted{
        kBlockedCookies, kRegistryDefinitions, kFileDefinitions, kExeDefinitions};
    for (std::string_view name : kPromoted) {
        const std::string staged =
            DataFile(dataFolder, std::string(kStagedPrefix) + std::string(name));
        if (!core::FileExists(fs, staged)) {
            continue;
        }
        const std::string current = DataFile(dataFolder, name);
        if (core::FileExists(fs, current)) {
            [[maybe_unused]] const bool removed = fs.RemoveFile(current);
        }
        [[maybe_unused]] const bool moved = fs.RenameFile(staged, current);
    }
}

}  // namespace definitions

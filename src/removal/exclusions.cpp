#include "removal/exclusions.h"

#include "core/text.h"
#include "core/text_lines.h"
#include "definitions/definition_files.h"

namespace removal {

std::string LoadExclusions(platform::FileSystem& fs, platform::EventLoop& loop,
                           std::string_view dataFolder) {
    std::string list;
    const std::string path = definitions::DataFile(dataFolder, definitions::kExclusions);
    if (!fs.FirstNormalFileName(path)) {
        return list;
    }
    for (const std::string& line :
         core::ReadTextLines(fs, path).value_or(std::vector<std::string>{})) {
        if (!core::Trim(line).empty()) {
            list.append(line).append("|");
        }
        loop.YieldToMessageLoop();
    }
    return list;
}

}  // namespace removal

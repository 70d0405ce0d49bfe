#include "definitions/safe_list_file.h"

#include "core/definition_files.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "definitions/records.h"

namespace definitions {

void LoadSafeList(SafeList& list, platform::FileSystem& fs, platform::ShellFolders& shell,
                  platform::TextCodec& codec, std::string_view dataFolder, std::string_view drive,
                  const bool& stopRequested) {
    list.Clear();
    const std::optional<std::vector<std::string>> lines =
        core::ReadTextLines(fs, DataFile(dataFolder, kSafetyList));
    if (!lines) {
        return;
    }
    for (const std::string& line : *lines) {
        if (stopRequested) {
            return;
        }
        if (std::optional<std::string> location =
                ParseSafetyLine(DecodeDefinitionText(line, codec), drive, shell)) {
            list.Add(std::move(*location));
        }
    }
}

}  // namespace definitions

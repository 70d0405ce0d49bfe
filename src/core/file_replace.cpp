#include "core/file_replace.h"

namespace core {

bool ReplaceFileContent(platform::FileSystem& fs, std::string_view path, std::string_view content,
                        std::string_view scratchPath) {
    if (fs.WriteWholeFile(scratchPath, content) && fs.MoveOver(scratchPath, path)) {
        return true;
    }
    [[maybe_unused]] const bool removed = fs.RemoveFile(scratchPath);
    return false;
}

}  // namespace core

#include "core/file_predicates.h"

#include "base/text.h"

namespace core {

bool FileExists(platform::FileSystem& fs, std::string_view path) {
    if (path.empty()) {
        return false;
    }
    const std::optional<std::string> first = fs.FirstNormalFileName(path);
    return first && base::EqualsIgnoreCase(*first, FileNameOf(path));
}

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool DirectoryExists(platform::FileSystem& fs, std::string_view path) {
    return !path.empty() && fs.DirectoryExists(path);
}

}  // namespace core

#pragma once

// The user's exclusion list: names and locations declared harmless, one per
// line of "ENoSignature.dat" in the data folder. The program only ever
// appends to the file.

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/event_loop.h"
#include "platform/file_system.h"
#include "platform/text_codec.h"

namespace removal {

class ExclusionList {
public:
    // Every line of the exclusion file that is not blank, as written, each
    // followed by "|"; empty when the file does not exist.
    [[nodiscard]] const std::string& Text() const noexcept { return m_text; }

    // Rebuilds the list from the file, yielding after each line.
    void LoadExclusions(platform::FileSystem& fs, platform::TextCodec& codec,
                        platform::EventLoop& loop, std::string_view dataFolder);

    // Appends the name, trimmed, to the file and reloads the list.
    void AddExclusion(platform::FileSystem& fs, platform::TextCodec& codec,
                      platform::EventLoop& loop, std::string_view dataFolder,
                      std::string_view name);

    // True when an entry equals the name (or the name trimmed), ignoring
    // letter case.
    [[nodiscard]] bool IsExcluded(std::string_view name) const;

    // True when an entry equals the folder's path (or the path trimmed) or
    // contains it, ignoring letter case: excluding a file inside a folder
    // excludes the folder too.
    [[nodiscard]] bool IsFolderExcluded(std::string_view path) const;

private:
    std::string m_text;
    // The entries upper-cased once, with the empty piece after the last "|".
    std::vector<std::string> m_upperEntries;
    // The same for the exact tests, which run for every trace a scan finds.
    std::unordered_set<std::string> m_upperSet;
};

}  // namespace removal

#include "core/exclusions.h"

#include "base/text.h"
#include "core/definition_files.h"
#include "core/text_lines.h"

namespace removal {

void ExclusionList::LoadExclusions(platform::FileSystem& fs, platform::TextCodec& codec,
                                   platform::EventLoop& loop, std::string_view dataFolder) {
    m_text.clear();
    m_upperEntries.clear();
    m_upperSet.clear();
    const std::string path = definitions::DataFile(dataFolder, definitions::kExclusions);
    if (!fs.FirstNormalFileName(path)) {
        return;
    }
    for (const std::string& line :
         core::ReadStoredTextLines(fs, codec, path).value_or(std::vector<std::string>{})) {
        if (!base::Trim(line).empty()) {
            m_text.append(line).append("|");
            // The list is one text of "|"-separated entries: a line that
            // holds "|" gives one entry per piece.
            for (std::string& entry : base::Split(base::UpperCase(line), "|")) {
                m_upperEntries.push_back(std::move(entry));
            }
        }
        loop.YieldToMessageLoop();
    }
    if (!m_text.empty()) {
        m_upperEntries.emplace_back();
    }
    m_upperSet.insert(m_upperEntries.begin(), m_upperEntries.end());
}

void ExclusionList::AddExclusion(platform::FileSystem& fs, platform::TextCodec& codec,
                                 platform::EventLoop& loop, std::string_view dataFolder,
                                 std::string_view name) {
    const std::string path = definitions::DataFile(dataFolder, definitions::kExclusions);
    std::string line = base::Trim(name) + "\r\n";
    // A file last saved in an editor may lack its final line end; the new
    // entry must not run on into the last one.
    if (const std::optional<std::uint64_t> size = fs.FileSize(path); size && *size > 0) {
        const std::optional<std::string> last = fs.ReadFileRange(path, *size - 1, 1);
        if (last && *last != "\n" && *last != "\r") {
            line.insert(0, "\r\n");
        }
    }
    [[maybe_unused]] const bool appended = fs.AppendToFile(path, line);
    LoadExclusions(fs, codec, loop, dataFolder);
}

bool ExclusionList::IsExcluded(std::string_view name) const {
    if (m_upperEntries.empty()) {
        return false;
    }
    const std::string upper = base::UpperCase(name);
    return m_upperSet.contains(upper) || m_upperSet.contains(base::Trim(upper));
}

bool ExclusionList::IsFolderExcluded(std::string_view path) const {
    const std::string upper = base::UpperCase(path);
    const std::string trimmed = base::Trim(upper);
    for (const std::string& entry : m_upperEntries) {
        if (entry == upper || entry == trimmed || entry.find(upper) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace removal

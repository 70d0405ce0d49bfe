#include "core/safe_list.h"

#include <array>

#include "base/text.h"
#include "core/definition_files.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "definitions/records.h"

namespace definitions {

std::string NormaliseSafeLocation(std::string_view location) {
    std::string normal = base::Trim(base::LowerCase(location));
    if (!normal.empty() && normal.back() == '/') {
        normal.pop_back();
    }
    if (!normal.empty() && normal.back() == '\\') {
        normal.pop_back();
    }
    return normal;
}

void SafeList::Clear() {
    m_locations.clear();
    m_normalised.clear();
}

void SafeList::Add(std::string location) {
    std::string normal = NormaliseSafeLocation(location);
    if (!normal.empty() && normal != " ") {
        m_normalised.insert(std::move(normal));
    }
    m_locations.push_back(std::move(location));
}

bool SafeList::IsSafeListed(std::string_view location) const {
    const std::string normal = NormaliseSafeLocation(location);
    if (normal.empty() || normal == " ") {
        return true;
    }
    if (m_normalised.contains(normal) || m_normalised.contains(normal + "\\")) {
        return true;
    }
    if (normal.back() == '\\' && m_normalised.contains(normal.substr(0, normal.size() - 1))) {
        return true;
    }
    // A bare root key is safe, but only once the list holds anything at all.
    if (m_normalised.empty()) {
        return false;
    }
    static constexpr std::array<std::string_view, 5> kRoots{
        "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
        "HKEY_CURRENT_CONFIG"};
    std::string upper = base::UpperCase(location);
    if (!upper.empty() && upper.back() == '\\') {
        upper.pop_back();
    }
    for (std::string_view root : kRoots) {
        if (upper == root) {
            return true;
        }
    }
    return false;
}

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

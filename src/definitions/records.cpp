#include "definitions/records.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "base/text.h"
#include "core/path_macros.h"

namespace definitions {

namespace {

constexpr std::array<std::string_view, 6> kRootNames{"HKEY_CLASSES_ROOT",   "HKEY_CURRENT_USER",
                                                     "HKEY_LOCAL_MACHINE",  "HKEY_USERS",
                                                     "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

// One left-to-right pass that turns each doubled backslash into one.
void CollapseBackslashes(std::string& path) {
    if (base::HasDoubledBackslash(path)) {
        path = base::ReplaceAll(path, "\\\\", "\\");
    }
}

std::string& ExpandLocation(std::string& text, std::string_view drive,
                            platform::ShellFolders& shell) {
    if (text.find("[drive]") != std::string::npos) {
        text = base::ReplaceAll(text, "[drive]", drive);
    }
    return core::ExpandPathMacros(text, shell);
}

// "[drive]", the folder macros and one pass over doubled backslashes.
std::string ExpandFolder(std::string_view folder, std::string_view drive,
                         platform::ShellFolders& shell) {
    std::string path(folder);
    ExpandLocation(path, drive, shell);
    CollapseBackslashes(path);
    return path;
}

std::string JoinPath(const std::string& folder, const std::string& fileName) {
    std::string joined;
    joined.reserve(folder.size() + 1 + fileName.size());
    if (!folder.empty()) {
        joined.append(folder).append(1, '\\');
    }
    joined.append(fileName);
    CollapseBackslashes(joined);
    return joined;
}

// The first N fields of the text split at every separator, as Split would
// give them ("" past the last), and how many fields there are in all. The
// parsers run once per definition line, so nothing is copied here.
template <std::size_t N>
struct LeadingFields {
    std::array<std::string_view, N> field{};
    std::size_t count = 0;
};

template <std::size_t N>
LeadingFields<N> SplitLeading(std::string_view text, char separator) noexcept {
    LeadingFields<N> result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t next = text.find(separator, start);
        if (result.count < N) {
            result.field[result.count] = text.substr(start, next - start);
        }
        ++result.count;
        if (next == std::string_view::npos) {
            return result;
        }
        start = next + 1;
    }
}

std::string_view Field(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? std::string_view(fields[index]) : std::string_view();
}

}  // namespace

bool IsAbsolutePath(std::string_view path) noexcept {
    if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
        path[2] == '\\') {
        return true;
    }
    return path.size() >= 3 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
}

int RootIndex(std::string_view code) {
    // A code that is not a number reads as 0, like the first root.
    const std::optional<double> number = base::WholeNumber(code);
    if (!number) {
        return 0;
    }
    const std::int64_t value = base::RoundHalfEven(*number);
    return value >= 0 && value < static_cast<std::int64_t>(kRootNames.size())
               ? static_cast<int>(value)
               : -1;
}

std::string_view RootName(std::string_view code) {
    return RootNameAt(RootIndex(code));
}

std::string_view RootNameAt(int index) noexcept {
    return index >= 0 && index < static_cast<int>(kRootNames.size())
               ? kRootNames[static_cast<std::size_t>(index)]
               : std::string_view();
}

std::optional<RegistryRecord> ParseRegistryRecord(std::string_view line, std::string_view drive,
                                                  platform::ShellFolders& shell) {
    const std::size_t equals = line.rfind('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const auto names = SplitLeading<2>(base::TrimView(line.substr(equals + 1)), '|');
    // Registry locations seldom hold a macro: only then is a copy expanded.
    std::string expanded;
    std::string_view location = line.substr(0, equals);
    if (location.find('[') != std::string_view::npos) {
        expanded = location;
        location = ExpandLocation(expanded, drive, shell);
    }
    const auto parts = SplitLeading<3>(location, '^');
    if (parts.count < 3) {
        return std::nullopt;
    }
    return RegistryRecord{std::string(parts.field[0]), std::string(parts.field[1]),
                          std::string(parts.field[2]), std::string(names.field[0]),
                          std::string(names.field[1])};
}

std::optional<FileRecord> ParseFileRecord(std::string_view line, std::string_view drive,
                                          platform::ShellFolders& shell) {
    const auto fields = SplitLeading<3>(line, '|');
    const std::string_view namePart = fields.field[0];
    const std::size_t equals = namePart.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    FileRecord record;
    record.fileName = base::TrimView(namePart.substr(0, equals));
    record.threatName = SplitLeading<1>(namePart.substr(equals + 1), '=').field[0];
    const std::string folder = fields.count > 1 ? ExpandFolder(fields.field[1], drive, shell) : "";
    record.typeText = fields.field[2];
    record.path = JoinPath(folder, record.fileName);
    return record;
}

std::optional<DirectoryRecord> ParseDirectoryRecord(std::string_view line, std::string_view drive,
                                                    platform::ShellFolders& shell) {
    const auto fields = SplitLeading<3>(line, '|');
    if (fields.count < 2) {
        return std::nullopt;
    }
    const std::string_view namePart = fields.field[0];
    const std::size_t equals = namePart.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    DirectoryRecord record;
    for (char c : namePart.substr(0, equals)) {
        if (c != '\r' && c != '\n' && c != '\t') {
            record.label.push_back(c);
        }
    }
    record.threatName = SplitLeading<1>(namePart.substr(equals + 1), '=').field[0];
    record.typeText = fields.field[2];
    record.path = ExpandFolder(fields.field[1], drive, shell);
    CollapseBackslashes(record.path);
    return record;
}

std::optional<ExeRecord> ParseExeRecord(std::string_view line, platform::ShellFolders& shell) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    ExeRecord record;
    record.fileName = std::string(line.substr(0, equals));
    const std::string_view rightSide = SplitLeading<1>(line.substr(equals + 1), '=').field[0];
    const auto parts = SplitLeading<2>(rightSide, '|');
    std::string folder(parts.count > 1 ? parts.field[1] : rightSide);
    core::ExpandPathMacros(folder, shell);
    record.path = folder + "\\" + record.fileName;
    CollapseBackslashes(record.path);
    return record;
}

std::vector<std::string> CookieEntries(std::string_view line) {
    return base::Split(line, "|");
}

std::optional<ExtensionRecord> ParseExtensionRecord(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::vector<std::string> fields = base::Split(line.substr(equals + 1), "|");
    ExtensionRecord record;
    record.id = base::Trim(line.substr(0, equals));
    record.threatName = base::Trim(fields[0]);
    record.family = fields.size() > 1 ? base::LowerCase(base::Trim(fields[1])) : std::string();
    record.typeText = fields.size() > 2 ? base::Trim(fields[2]) : std::string();
    if (record.id.empty() || record.threatName.empty() ||
        (record.family != "chromium" && record.family != "firefox" && record.family != "*")) {
        return std::nullopt;
    }
    // A Chromium ID is lower-case letters; a definition in capitals names it still.
    if (record.family == "chromium") {
        record.id = base::LowerCase(record.id);
    }
    return record;
}

bool ExtensionRecord::Names(std::string_view extensionId, std::string_view familyName) const {
    if (family != "*" && family != familyName) {
        return false;
    }
    // Firefox IDs are compared as written; Chromium's are letters a to p,
    // which the browsers write in lower case.
    return familyName == "firefox" ? id == extensionId : base::EqualsIgnoreCase(id, extensionId);
}

std::optional<std::string> ParseSafetyLine(std::string_view line, std::string_view drive,
                                           platform::ShellFolders& shell) {
    const std::vector<std::string> fields = base::Split(line, "|");
    if (fields.size() < 2) {
        return std::nullopt;
    }
    const std::string& type = fields[0];
    const std::string path = ExpandFolder(Field(fields, 2), drive, shell);
    std::string location;
    if (type == "SFILE" || type == "SEXE" || type == "SDLL") {
        if (!path.empty()) {
            location = path;
        } else {
            const std::string& namePart = fields[1];
            return base::Trim(namePart.substr(0, namePart.find('=')));
        }
    } else if (type == "SREG") {
        const std::vector<std::string> parts = base::Split(path, "^");
        location = std::string(RootName(parts[0])) + "\\" + std::string(Field(parts, 1));
        if (parts.size() > 2) {
            location += "\\" + parts[2];
        }
    } else if (type == "SDIR" || type == "SEXT") {
        location = path;
    } else {
        return std::string();
    }
    return base::ReplaceAll(base::ReplaceAll(location, "\\\\", "\\"), "//", "/");
}

}  // namespace definitions

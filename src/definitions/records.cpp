#include "definitions/records.h"

#include <array>
#include <cctype>

#include "core/path_macros.h"
#include "core/text.h"

namespace definitions {

namespace {

constexpr std::array<std::string_view, 6> kRootNames{"HKEY_CLASSES_ROOT",   "HKEY_CURRENT_USER",
                                                     "HKEY_LOCAL_MACHINE",  "HKEY_USERS",
                                                     "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

std::string ExpandLocation(std::string text, std::string_view drive,
                           platform::ShellFolders& shell) {
    if (text.find("[drive]") != std::string::npos) {
        text = core::ReplaceAll(text, "[drive]", drive);
    }
    core::ExpandPathMacros(text, shell);
    return text;
}

// "[drive]", the folder macros and one pass over doubled backslashes.
std::string ExpandFolder(std::string_view folder, std::string_view drive,
                         platform::ShellFolders& shell) {
    return core::ReplaceAll(ExpandLocation(std::string(folder), drive, shell), "\\\\", "\\");
}

std::string JoinPath(const std::string& folder, const std::string& fileName) {
    const std::string joined = folder.empty() ? fileName : folder + "\\" + fileName;
    return core::ReplaceAll(joined, "\\\\", "\\");
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
    const std::optional<double> number = core::WholeNumber(code);
    if (!number) {
        return 0;
    }
    const std::int64_t value = core::RoundHalfEven(*number);
    return value >= 0 && value < static_cast<std::int64_t>(kRootNames.size())
               ? static_cast<int>(value)
               : -1;
}

std::string RootName(std::string_view code) {
    const int index = RootIndex(code);
    return index >= 0 ? std::string(kRootNames[static_cast<std::size_t>(index)]) : std::string();
}

std::optional<RegistryRecord> ParseRegistryRecord(std::string_view line, std::string_view drive,
                                                  platform::ShellFolders& shell) {
    const std::size_t equals = line.rfind('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    const std::vector<std::string> nameFields =
        core::Split(core::Trim(line.substr(equals + 1)), "|");
    const std::string location = ExpandLocation(std::string(line.substr(0, equals)), drive, shell);
    const std::vector<std::string> locationFields = core::Split(location, "^");
    if (locationFields.size() < 3) {
        return std::nullopt;
    }
    return RegistryRecord{locationFields[0], locationFields[1], locationFields[2],
                          std::string(Field(nameFields, 0)), std::string(Field(nameFields, 1))};
}

std::optional<FileRecord> ParseFileRecord(std::string_view line, std::string_view drive,
                                          platform::ShellFolders& shell) {
    const std::vector<std::string> fields = core::Split(line, "|");
    const std::string_view namePart = fields[0];
    const std::size_t equals = namePart.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    FileRecord record;
    record.fileName = core::Trim(namePart.substr(0, equals));
    const std::vector<std::string> names = core::Split(namePart.substr(equals + 1), "=");
    record.threatName = names[0];
    const std::string folder = fields.size() > 1 ? ExpandFolder(fields[1], drive, shell) : "";
    record.typeText = std::string(Field(fields, 2));
    record.path = JoinPath(folder, record.fileName);
    return record;
}

std::optional<DirectoryRecord> ParseDirectoryRecord(std::string_view line, std::string_view drive,
                                                    platform::ShellFolders& shell) {
    const std::vector<std::string> fields = core::Split(line, "|");
    if (fields.size() < 2) {
        return std::nullopt;
    }
    const std::string_view namePart = fields[0];
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
    record.threatName = core::Split(namePart.substr(equals + 1), "=")[0];
    record.typeText = std::string(Field(fields, 2));
    record.path = core::ReplaceAll(ExpandFolder(fields[1], drive, shell), "\\\\", "\\");
    return record;
}

std::optional<ExeRecord> ParseExeRecord(std::string_view line, platform::ShellFolders& shell) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    ExeRecord record;
    record.fileName = std::string(line.substr(0, equals));
    const std::string rightSide = core::Split(line.substr(equals + 1), "=")[0];
    std::string folder = rightSide;
    if (rightSide.find('|') != std::string::npos) {
        folder = core::Split(rightSide, "|")[1];
    }
    core::ExpandPathMacros(folder, shell);
    record.path = core::ReplaceAll(folder + "\\" + record.fileName, "\\\\", "\\");
    return record;
}

std::vector<std::string> CookieEntries(std::string_view line) {
    return core::Split(line, "|");
}

std::optional<std::string> ParseSafetyLine(std::string_view line, std::string_view drive,
                                           platform::ShellFolders& shell) {
    const std::vector<std::string> fields = core::Split(line, "|");
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
            return core::Trim(namePart.substr(0, namePart.find('=')));
        }
    } else if (type == "SREG") {
        const std::vector<std::string> parts = core::Split(path, "^");
        location = RootName(parts[0]) + "\\" + std::string(Field(parts, 1));
        if (parts.size() > 2) {
            location += "\\" + parts[2];
        }
    } else if (type == "SDIR") {
        location = path;
    } else {
        return std::string();
    }
    return core::ReplaceAll(core::ReplaceAll(location, "\\\\", "\\"), "//", "/");
}

}  // namespace definitions

#pragma once

// The record layouts of the definition files, read from decoded lines. A line
// that does not follow its layout gives no record.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell_folders.h"

namespace definitions {

// A registry trace: a whole key, or one value of a key.
struct RegistryRecord {
    std::string rootCode;
    std::string keyPath;    // as written, not trimmed
    std::string valueName;  // empty for a key record
    std::string threatName;
    std::string typeText;
};

// `location part` = `threat name` ["|" `type text`], split at the last "=";
// the location's macros are expanded with `drive` standing for "[drive]".
[[nodiscard]] std::optional<RegistryRecord> ParseRegistryRecord(std::string_view line,
                                                                std::string_view drive,
                                                                platform::ShellFolders& shell);

// A file at a known place.
struct FileRecord {
    std::string fileName;  // trimmed
    std::string threatName;
    std::string typeText;
    std::string path;  // folder and file name, or the file name alone
};

[[nodiscard]] std::optional<FileRecord> ParseFileRecord(std::string_view line,
                                                        std::string_view drive,
                                                        platform::ShellFolders& shell);

// A folder at a known place; lines without a folder give none.
struct DirectoryRecord {
    std::string label;  // without line ends and tabs
    std::string threatName;
    std::string typeText;
    std::string path;
};

[[nodiscard]] std::optional<DirectoryRecord> ParseDirectoryRecord(std::string_view line,
                                                                  std::string_view drive,
                                                                  platform::ShellFolders& shell);

// An executable that must not run: its file name and full path.
struct ExeRecord {
    std::string fileName;
    std::string path;
};

[[nodiscard]] std::optional<ExeRecord> ParseExeRecord(std::string_view line,
                                                      platform::ShellFolders& shell);

// The entries that a line of the blocked-cookie list adds: the line split at
// "|".
[[nodiscard]] std::vector<std::string> CookieEntries(std::string_view line);

// A browser extension: `extension ID` "=" `threat name` "|" `browser family`
// ["|" `type text`], the family "chromium", "firefox" or "*" (any).
struct ExtensionRecord {
    std::string id;  // trimmed; Chromium's in lower case, as the browsers write them
    std::string threatName;
    std::string family;  // lower case
    std::string typeText;

    // Whether the record names this extension of a browser of that family.
    [[nodiscard]] bool Names(std::string_view extensionId, std::string_view familyName) const;
};

[[nodiscard]] std::optional<ExtensionRecord> ParseExtensionRecord(std::string_view line);

// The safe location that a line of the safety list gives ("" for a line of
// an entry type that names none; "SEXT", an extension, names its path as
// written, or a location that comes out empty);
// nullopt for a line without "|", which is skipped.
[[nodiscard]] std::optional<std::string> ParseSafetyLine(std::string_view line,
                                                         std::string_view drive,
                                                         platform::ShellFolders& shell);

// True for "C:\..." and "\\server\...": paths that do not depend on the
// current folder.
[[nodiscard]] bool IsAbsolutePath(std::string_view path) noexcept;

// The root key of a root code: 0 "HKEY_CLASSES_ROOT" to 5 "HKEY_DYN_DATA";
// a code that is not a number counts as 0; -1 (and "") for any other number.
[[nodiscard]] int RootIndex(std::string_view code);
[[nodiscard]] std::string_view RootName(std::string_view code);
// The name of a root index, "" for one out of range.
[[nodiscard]] std::string_view RootNameAt(int index) noexcept;

}  // namespace definitions

#pragma once

// Fetching the current localisation file from the language server. The
// whole file is replaced, all languages at once; the language in use takes
// the new texts at its next change.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {
class Application;
}

namespace i18n {

// True when the text is a whole localisation file: at least one language
// group, every group closed before the next begins, and the file's closing
// element after the last.
[[nodiscard]] bool IsCompleteLocalizationFile(std::string_view answer);

// The file's version, as its LOCALIZATION_FILE_VERSION element gives it: the
// numbers of a dotted version ("1.0", "2.13"), trailing zeros dropped, so
// that "1" and "1.0" are the same version. Empty for a file that names none
// or one that is not a dotted number, which is older than any other. The
// publisher's signature covers the whole file, so this too.
[[nodiscard]] std::vector<std::uint32_t> LocalizationFileVersion(std::string_view file);

// True when the file's version is older than the reference file's.
[[nodiscard]] bool IsOlderLocalizationFile(std::string_view file, std::string_view reference);

// The file to store for a server's answer: from its first "<" on, as
// received, followed by CR LF. nullopt when the answer holds no translation
// items (no answer, an error page, anything else).
[[nodiscard]] std::optional<std::string> LocalizationFileFromAnswer(std::string_view answer);

// "Check for language updates": fetches the file and, when it is usable,
// puts it in the place of the downloaded localisation file in the data
// folder (the shipped one is never changed), lists its languages and says
// so. A file that arrived only in part, or one older than the shipped file
// (an old file served again), leaves the old one in place, and the user is
// told.
void DownloadLanguageFile(core::Application& app);

}  // namespace i18n

#pragma once

// Fetching the current localisation file from the language server. The
// whole file is replaced, all languages at once; the language in use takes
// the new texts at its next change.

#include <optional>
#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace i18n {

// True when the text is a whole localisation file: at least one language
// group, every group closed before the next begins, and the file's closing
// element after the last.
[[nodiscard]] bool IsCompleteLocalizationFile(std::string_view answer);

// The file to store for a server's answer: from its first "<" on, as
// received, followed by CR LF. nullopt when the answer holds no translation
// items (no answer, an error page, anything else).
[[nodiscard]] std::optional<std::string> LocalizationFileFromAnswer(std::string_view answer);

// "Check for language updates": fetches the file and, when it is usable,
// puts it in the place of the downloaded localisation file in the data
// folder (the shipped one is never changed), lists its languages and says
// so. A file that arrived only in part leaves the old one
// in place, and the user is told.
void DownloadLanguageFile(core::Application& app);

}  // namespace i18n

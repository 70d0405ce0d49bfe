#pragma once

// The incremental update of the definition files: the dated exchange with
// the definitions server, and the application of the changes it sends.

#include <cstdint>
#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace ui {
class TextBox;
}

namespace update {

struct DefinitionUpdateResult {
    // The number of changes applied, 0 when nothing was.
    std::int32_t changeCount = 0;
    // The changes were refused: their signature was missing or wrong, or
    // they cover less than the definitions already hold. Nothing changed.
    bool unverified = false;
    // The https server's certificate failed its check, so nothing was
    // fetched and nothing changed.
    bool untrusted = false;
    // The server said it has newer definitions, but the changes did not
    // arrive whole (no answer, an error page, broken off, too slow or too
    // large). Nothing changed.
    bool incomplete = false;
};

// Asks the server for its date and, when it is newer than the definitions'
// date, for every change since; applies them and stores the new date: the
// newest date the signed changes cover (in a build without a key too, when
// the answer names one), otherwise the server's date at the end.
DefinitionUpdateResult RunDefinitionUpdate(core::Application& app);

struct AppliedUpdate {
    // Lines added plus one per file that lost lines.
    std::int32_t changeCount = 0;
    // False when a file could not be rewritten: it keeps its old content,
    // and its changes are not counted.
    bool complete = true;
};

// Applies an update text to the definition files, each replaced in one
// step.
AppliedUpdate ApplyDefinitionUpdate(core::Application& app, std::string_view updateText,
                                    ui::TextBox& status);

}  // namespace update

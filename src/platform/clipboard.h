#pragma once

// The system clipboard, for text.

#include <string_view>

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Empties the clipboard and puts the text on it, in the ANSI code page;
    // false when the clipboard could not be opened or written.
    [[nodiscard]] virtual bool SetText(std::string_view text) = 0;
};

}  // namespace platform

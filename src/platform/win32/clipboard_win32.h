#pragma once

// The clipboard port on the Win32 clipboard: text goes on it as CF_TEXT, from
// which the system offers the Unicode form too.

#include "platform/clipboard.h"

namespace platform::win32 {

class ClipboardWin32 : public platform::Clipboard {
public:
    [[nodiscard]] bool SetText(std::string_view text) override;
};

}  // namespace platform::win32

#pragma once

// Message boxes through MessageBox, owned by the active window.

#include "platform/dialogs.h"

namespace platform::win32 {

class DialogsWin32 : public platform::Dialogs {
public:
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageButtons buttons,
                              MessageIcon icon) override;
};

}  // namespace platform::win32

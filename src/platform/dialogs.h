#pragma once

// Message boxes. The numbers are the platform's, so that a style reads the
// same in code as in the platform's documentation.

#include <string>
#include <string_view>

namespace platform {

enum class MessageButtons {
    Ok = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
};

enum class MessageIcon {
    None = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64
};

enum class MessageAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a modal message box owned by the active window and returns the
    // button the user chose.
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title,
                                      MessageButtons buttons, MessageIcon icon) = 0;
};

}  // namespace platform

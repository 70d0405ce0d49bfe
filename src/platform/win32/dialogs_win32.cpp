#include "platform/win32/dialogs_win32.h"

#include <string>

#include <windows.h>

namespace platform::win32 {

MessageAnswer DialogsWin32::ShowMessage(std::string_view text, std::string_view title,
                                        MessageButtons buttons, MessageIcon icon) {
    const std::string textValue(text);
    const std::string titleValue(title);
    const UINT style = static_cast<UINT>(buttons) | static_cast<UINT>(icon) | MB_SETFOREGROUND;
    const int answer =
        ::MessageBoxA(::GetActiveWindow(), textValue.c_str(), titleValue.c_str(), style);
    if (answer < IDOK || answer > IDNO) {
        // A box that could not be shown counts as dismissed.
        return MessageAnswer::Cancel;
    }
    return static_cast<MessageAnswer>(answer);
}

}  // namespace platform::win32

#pragma once

// The program's one way of fetching a text over HTTP.

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace ui {
class TextBox;
}

namespace update {

// How a transfer ended.
enum class TransferEnd {
    Whole,     // the body arrived to its end
    NoAnswer,  // no connection or request could be opened
    CutShort,  // the body broke off: a read failed, or it ended before the
               // length that the server announced
};

struct Transfer {
    TransferEnd end = TransferEnd::NoAnswer;
    // The body as received (an error page's body too); "" unless it arrived
    // whole, since a part of a text must never pass for the text.
    std::string text;
};

// GET of the URL, yielding to the message loop between blocks; with a text
// box, "Downloaded N bytes." is written into it as the body arrives.
[[nodiscard]] Transfer TransferText(platform::Platform& ports, std::string_view url,
                                    ui::TextBox* status);

// The body of a transfer that arrived whole, or "".
[[nodiscard]] std::string DownloadText(platform::Platform& ports, std::string_view url);
[[nodiscard]] std::string DownloadTextWithProgress(platform::Platform& ports, std::string_view url,
                                                   ui::TextBox& status);

// Writes a status text into the box. When the user has closed the box's
// window while the work goes on, the window is loaded again, hidden, so that
// its tray icon comes back.
void WriteStatus(ui::TextBox& status, std::string text);

}  // namespace update

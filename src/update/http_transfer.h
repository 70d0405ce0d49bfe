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
    Whole,      // the body arrived to its end
    NoAnswer,   // no connection or request could be opened
    CutShort,   // the body broke off: a read failed, or it ended before the
                // length that the server announced, or it took too long or grew
                // too large
    ErrorPage,  // the server answered with a status other than 200: its own
                // error page, or that of a cache in front of it
};

struct Transfer {
    TransferEnd end = TransferEnd::NoAnswer;
    // The body as received; "" unless it arrived whole with the status 200,
    // since neither a part of a text nor an error page may pass for the text.
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

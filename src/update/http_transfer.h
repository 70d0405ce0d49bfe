#pragma once

// The program's one way of fetching a text over HTTP.

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace ui {
class TextBox;
}

namespace update {

// GET of the URL: the whole body as received (an error page's body too), or
// "" when no connection or request could be opened. Yields to the message
// loop between blocks.
[[nodiscard]] std::string DownloadText(platform::Platform& ports, std::string_view url);

// The same, writing "Downloaded N bytes." into the text box as the body
// arrives.
[[nodiscard]] std::string DownloadTextWithProgress(platform::Platform& ports, std::string_view url,
                                                   ui::TextBox& status);

}  // namespace update

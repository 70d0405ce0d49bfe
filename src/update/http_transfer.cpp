#include "update/http_transfer.h"

#include <cstddef>
#include <memory>
#include <optional>

#include "ui/text_box.h"

namespace update {

namespace {

constexpr std::size_t kBlockSize = 256;

// Reads the body block by block until a read brings nothing. From the second
// read on, each read is followed by the progress line, when there is a text
// box for it, and a yield; a failed read ends the transfer as the empty one
// at the end of the body does.
std::string Download(platform::Platform& ports, std::string_view url, ui::TextBox* status) {
    const std::unique_ptr<platform::HttpResponse> response = ports.http.Get(url);
    if (!response) {
        return {};
    }
    std::string text;
    for (bool firstRead = true;; firstRead = false) {
        const std::optional<std::string> block = response->Read(kBlockSize);
        if (block) {
            text += *block;
        }
        if (!firstRead) {
            if (status != nullptr) {
                status->SetText("Downloaded " + std::to_string(text.size()) + " bytes.");
            }
            ports.eventLoop.YieldToMessageLoop();
        }
        if (!block || block->empty()) {
            return text;
        }
    }
}

}  // namespace

std::string DownloadText(platform::Platform& ports, std::string_view url) {
    return Download(ports, url, nullptr);
}

std::string DownloadTextWithProgress(platform::Platform& ports, std::string_view url,
                                     ui::TextBox& status) {
    return Download(ports, url, &status);
}

}  // namespace update

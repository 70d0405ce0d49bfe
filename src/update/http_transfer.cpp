#include "update/http_transfer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "ui/form.h"
#include "ui/text_box.h"

namespace update {

namespace {

constexpr std::size_t kBlockSize = 256;

}  // namespace

// Reads the body block by block until a read brings nothing. From the second
// read on, each read is followed by the progress line, when there is a text
// box for it, and a yield; a failed read ends the transfer as the empty one
// at the end of the body does, but cut short. An error page is not read.
Transfer TransferText(platform::Platform& ports, std::string_view url, ui::TextBox* status) {
    const std::unique_ptr<platform::HttpResponse> response = ports.http.Get(url);
    if (!response) {
        return {};
    }
    if (response->Status() != 200) {
        // A cache in front of the server answers for it when it is away
        // (502, 503, 504), with a page that is no answer of the server's.
        return {TransferEnd::ErrorPage, {}};
    }
    const std::optional<std::uint64_t> promised = response->PromisedLength();
    std::string text;
    for (bool firstRead = true;; firstRead = false) {
        const std::optional<std::string> block = response->Read(kBlockSize);
        if (block) {
            text += *block;
        }
        if (!firstRead) {
            if (status != nullptr) {
                WriteStatus(*status, "Downloaded " + std::to_string(text.size()) + " bytes.");
            }
            ports.eventLoop.YieldToMessageLoop();
        }
        if (!block || (block->empty() && promised && text.size() < *promised)) {
            // The connection dropped: what arrived ends in the middle of
            // something.
            return {TransferEnd::CutShort, {}};
        }
        if (block->empty()) {
            return {TransferEnd::Whole, std::move(text)};
        }
    }
}

std::string DownloadText(platform::Platform& ports, std::string_view url) {
    return TransferText(ports, url, nullptr).text;
}

std::string DownloadTextWithProgress(platform::Platform& ports, std::string_view url,
                                     ui::TextBox& status) {
    return TransferText(ports, url, &status).text;
}

void WriteStatus(ui::TextBox& status, std::string text) {
    status.Owner().Load();
    status.SetText(std::move(text));
}

}  // namespace update

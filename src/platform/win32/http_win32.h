#pragma once

// The HTTP port on WinINet: a GET straight to the server, without a proxy
// or the cache, under the user agent "Mozilla". Connecting, the wait for the
// answer and each wait for more of its body are bounded by one time-out.

#include <chrono>
#include <memory>
#include <string_view>

#include "platform/http.h"

namespace platform::win32 {

class HttpWin32 : public platform::Http {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{30'000};

    explicit HttpWin32(std::chrono::milliseconds timeout = kDefaultTimeout) noexcept
        : m_timeout(timeout) {}

    [[nodiscard]] std::unique_ptr<HttpResponse> Get(std::string_view url) override;
    [[nodiscard]] HttpFailure LastFailure() const override { return m_lastFailure; }

private:
    std::unique_ptr<HttpResponse> Send(std::string_view url);

    std::chrono::milliseconds m_timeout;
    HttpFailure m_lastFailure = HttpFailure::None;
};

}  // namespace platform::win32

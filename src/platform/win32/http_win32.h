#pragma once

// The HTTP port on WinINet: a GET straight to the server, without a proxy
// or the cache, under the user agent "Mozilla". Connecting, the wait for the
// answer and each wait for more of its body are bounded by one time-out; the
// whole answer by a deadline and a size limit.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/http.h"

namespace platform::win32 {

class HttpWin32 : public platform::Http {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{30'000};
    // Time enough for the whole definition set from the first date on a slow
    // line; an answer that takes longer is trickling, not arriving.
    static constexpr std::chrono::milliseconds kDefaultDeadline{5 * 60'000};
    // A few times the largest answer the servers give (every definition
    // change since the first date; the language file is far smaller).
    static constexpr std::uint64_t kDefaultLargestBody = 64ULL << 20;

    explicit HttpWin32(std::chrono::milliseconds timeout = kDefaultTimeout,
                       std::chrono::milliseconds deadline = kDefaultDeadline,
                       std::uint64_t largestBody = kDefaultLargestBody) noexcept
        : m_timeout(timeout), m_deadline(deadline), m_largestBody(largestBody) {}

    [[nodiscard]] std::unique_ptr<HttpResponse> Get(std::string_view url) override;
    [[nodiscard]] HttpFailure LastFailure() const override { return m_lastFailure; }

private:
    std::unique_ptr<HttpResponse> Send(std::string_view url);

    std::chrono::milliseconds m_timeout;
    std::chrono::milliseconds m_deadline;
    std::uint64_t m_largestBody;
    HttpFailure m_lastFailure = HttpFailure::None;
};

}  // namespace platform::win32

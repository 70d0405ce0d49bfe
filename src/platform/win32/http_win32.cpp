#include "platform/win32/http_win32.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

constexpr const char* kUserAgent = "Mozilla";

// Every request goes to the server: nothing is taken from the cache, and a
// cache on the way is asked not to answer either.
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_PRAGMA_NOCACHE;

// The pieces of a URL that the connection and the request are made from.
struct UrlParts {
    INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
    std::string host;
    INTERNET_PORT port = 0;
    std::string userName;
    std::string password;
    std::string object;  // the path with the query
};

std::optional<UrlParts> SplitUrl(std::string_view url) {
    const std::string text(url);
    URL_COMPONENTSA components{};
    components.dwStructSize = sizeof(components);
    // A non-zero length without a buffer asks for pointers into the text.
    components.dwHostNameLength = 1;
    components.dwUserNameLength = 1;
    components.dwPasswordLength = 1;
    components.dwUrlPathLength = 1;
    components.dwExtraInfoLength = 1;
    if (!::InternetCrackUrlA(text.c_str(), static_cast<DWORD>(text.size()), 0, &components)) {
        return std::nullopt;
    }
    const auto piece = [](const char* start, DWORD length) {
        return start != nullptr ? std::string(start, length) : std::string();
    };
    UrlParts parts;
    parts.scheme = components.nScheme;
    parts.host = piece(components.lpszHostName, components.dwHostNameLength);
    parts.port = components.nPort;
    parts.userName = piece(components.lpszUserName, components.dwUserNameLength);
    parts.password = piece(components.lpszPassword, components.dwPasswordLength);
    parts.object = piece(components.lpszUrlPath, components.dwUrlPathLength) +
                   piece(components.lpszExtraInfo, components.dwExtraInfoLength);
    if (parts.object.empty()) {
        parts.object = "/";
    }
    return parts;
}

const char* NullIfEmpty(const std::string& text) noexcept {
    return text.empty() ? nullptr : text.c_str();
}

// Puts the time-out on every phase of the connection's requests. Wine keeps
// no receive time-out on a session handle and gives a request only its
// connection's, so the connection handle is the one place where both Wine
// and Windows take them. An option that is not taken keeps WinINet's
// default, which is finite too.
void SetTimeouts(HINTERNET connection, std::chrono::milliseconds timeout) noexcept {
    DWORD milliseconds = static_cast<DWORD>(
        std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 1, MAXDWORD));
    for (const DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
          INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT}) {
        [[maybe_unused]] const BOOL taken =
            ::InternetSetOptionA(connection, option, &milliseconds, sizeof(milliseconds));
    }
}

// Sends the request and waits for the answer's headers on a thread of its
// own, for at most the limit. WinINet bounds connecting and waiting itself on
// Windows, but Wine ignores the connect time-out and dials with a blocking
// connect that only the system gives up on, minutes later. A request still
// unsent at the limit is given up: the caller closes its handles, which on
// Windows ends the call at once, and the thread, which keeps only the handle
// value and a share of the outcome, ends whenever the call returns.
// The error numbers of a server certificate that failed its check.
bool IsCertificateError(DWORD error) {
    switch (error) {
        case ERROR_INTERNET_INVALID_CA:
        case ERROR_INTERNET_SEC_CERT_CN_INVALID:
        case ERROR_INTERNET_SEC_CERT_DATE_INVALID:
        case ERROR_INTERNET_SEC_CERT_ERRORS:
        case ERROR_INTERNET_SEC_CERT_NO_REV:
        case ERROR_INTERNET_SEC_CERT_REV_FAILED:
        case ERROR_INTERNET_SEC_CERT_REVOKED:
        case ERROR_INTERNET_SEC_INVALID_CERT:
            return true;
        default:
            return false;
    }
}

// What became of sending a request: sent, or the error it failed with
// (0 when it did not end within the limit).
struct SendOutcome {
    bool sent = false;
    DWORD error = 0;
};

SendOutcome SendOnce(HINTERNET request) {
    if (::HttpSendRequestA(request, nullptr, 0, nullptr, 0) != FALSE) {
        return {true, 0};
    }
    return {false, ::GetLastError()};
}

SendOutcome SendRequestWithin(HINTERNET request, std::chrono::milliseconds limit) {
    struct Outcome {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<SendOutcome> result;
    };
    const auto outcome = std::make_shared<Outcome>();
    try {
        std::thread([request, outcome] {
            const SendOutcome result = SendOnce(request);
            const std::lock_guard lock(outcome->mutex);
            outcome->result = result;
            outcome->done.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        // Without a thread to spare, the request goes out on this one,
        // bounded by WinINet alone.
        return SendOnce(request);
    }
    std::unique_lock lock(outcome->mutex);
    if (!outcome->done.wait_for(lock, limit, [&] { return outcome->result.has_value(); })) {
        return {};
    }
    return *outcome->result;
}

// The text of one header of the answer, or nullopt when it has none.
std::optional<std::string> HeaderText(HINTERNET request, DWORD header) {
    std::array<char, 64> buffer{};
    DWORD size = static_cast<DWORD>(buffer.size());
    if (!::HttpQueryInfoA(request, header, buffer.data(), &size, nullptr)) {
        return std::nullopt;  // absent, or longer than any length can be
    }
    return std::string(buffer.data(), std::min<std::size_t>(size, buffer.size()));
}

// The Content-Length of the answer. A chunked answer's length is that of its
// chunks, whatever a Content-Length beside them says; a header that is not a
// plain number promises nothing.
std::optional<std::uint64_t> ContentLength(HINTERNET request) {
    if (HeaderText(request, HTTP_QUERY_TRANSFER_ENCODING)) {
        return std::nullopt;
    }
    const std::optional<std::string> text = HeaderText(request, HTTP_QUERY_CONTENT_LENGTH);
    if (!text || text->empty()) {
        return std::nullopt;
    }
    std::uint64_t length = 0;
    const char* const end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, length);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return length;
}

// The answer's status code; 0 when it has none that reads as a number.
int StatusCode(HINTERNET request) {
    DWORD status = 0;
    DWORD size = sizeof(status);
    if (!::HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                          nullptr)) {
        return 0;
    }
    return static_cast<int>(status);
}

// What bounds a whole answer: the moment it must have arrived by, and its
// largest size.
struct AnswerLimits {
    std::chrono::steady_clock::time_point deadline;
    std::uint64_t largestBody = 0;
};

// One answer, owning its request and the connection and session it was made
// on; the members close in reverse order, the request first.
class HttpResponseWin32 final : public platform::HttpResponse {
public:
    HttpResponseWin32(UniqueInternetHandle session, UniqueInternetHandle connection,
                      UniqueInternetHandle request, AnswerLimits limits) noexcept
        : m_session(std::move(session)),
          m_connection(std::move(connection)),
          m_request(std::move(request)),
          m_limits(limits),
          m_status(StatusCode(m_request.Get())) {}

    // A read that is waiting when the deadline passes ends at the latest
    // with the connection's time-out; the next one fails at once.
    std::optional<std::string> Read(std::size_t size) override {
        if (m_overLimit || std::chrono::steady_clock::now() > m_limits.deadline) {
            m_overLimit = true;
            return std::nullopt;
        }
        // InternetReadFile returns only once the whole size has come, which a
        // trickling body makes last for ages: only what is there is asked
        // for. Nothing there is the end of the body (or a failure, which the
        // read then reports).
        DWORD available = 0;
        if (!::InternetQueryDataAvailable(m_request.Get(), &available, 0, 0)) {
            return std::nullopt;
        }
        if (available > 0) {
            size = std::min<std::size_t>(size, available);
        }
        std::string block(std::min<std::size_t>(size, MAXDWORD), '\0');
        DWORD read = 0;
        if (!::InternetReadFile(m_request.Get(), block.data(), static_cast<DWORD>(block.size()),
                                &read)) {
            return std::nullopt;
        }
        m_received += read;
        if (m_received > m_limits.largestBody ||
            std::chrono::steady_clock::now() > m_limits.deadline) {
            m_overLimit = true;
            return std::nullopt;
        }
        block.resize(read);
        return block;
    }

    int Status() override { return m_status; }

    std::optional<std::uint64_t> PromisedLength() override {
        return ContentLength(m_request.Get());
    }

private:
    UniqueInternetHandle m_session;
    UniqueInternetHandle m_connection;
    UniqueInternetHandle m_request;
    AnswerLimits m_limits;
    int m_status = 0;
    std::uint64_t m_received = 0;
    bool m_overLimit = false;
};

}  // namespace

std::unique_ptr<HttpResponse> HttpWin32::Get(std::string_view url) {
    m_lastFailure = HttpFailure::Unreachable;
    std::unique_ptr<HttpResponse> response = Send(url);
    if (response) {
        m_lastFailure = HttpFailure::None;
    }
    return response;
}

std::unique_ptr<HttpResponse> HttpWin32::Send(std::string_view url) {
    const AnswerLimits limits{std::chrono::steady_clock::now() + m_deadline, m_largestBody};
    // The session, connection and request are opened one by one rather than
    // with InternetOpenUrl, which sends the request before its handle exists
    // and so, on Wine, without any receive time-out (nor a way to cancel it).
    const std::optional<UrlParts> parts = SplitUrl(url);
    if (!parts ||
        (parts->scheme != INTERNET_SCHEME_HTTP && parts->scheme != INTERNET_SCHEME_HTTPS)) {
        return nullptr;
    }
    UniqueInternetHandle session(
        ::InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) {
        return nullptr;
    }
    UniqueInternetHandle connection(::InternetConnectA(
        session.Get(), parts->host.c_str(), parts->port, NullIfEmpty(parts->userName),
        NullIfEmpty(parts->password), INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) {
        return nullptr;
    }
    SetTimeouts(connection.Get(), m_timeout);
    const DWORD flags =
        kRequestFlags | (parts->scheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    // The Accept header that InternetOpenUrl sends.
    std::array<const char*, 2> acceptTypes{"*/*", nullptr};
    UniqueInternetHandle request(::HttpOpenRequestA(connection.Get(), "GET", parts->object.c_str(),
                                                    nullptr, nullptr, acceptTypes.data(), flags,
                                                    0));
    // Connecting and the wait for the answer get the time-out each.
    if (!request) {
        return nullptr;
    }
    const SendOutcome sent = SendRequestWithin(request.Get(), 2 * m_timeout);
    if (!sent.sent) {
        if (IsCertificateError(sent.error)) {
            m_lastFailure = HttpFailure::Certificate;
        }
        return nullptr;
    }
    return std::make_unique<HttpResponseWin32>(std::move(session), std::move(connection),
                                               std::move(request), limits);
}

}  // namespace platform::win32

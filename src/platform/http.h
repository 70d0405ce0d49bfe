#pragma once

// HTTP GET, read in blocks. Every request goes to the server itself (never to
// a cache), directly, without a proxy; connecting and each wait for data are
// bounded by a time-out, so that a server that accepts the connection and
// then sends nothing cannot hold the program forever. A whole answer is
// bounded too, in time and in size, so that one that trickles in or never
// ends cannot either, nor fill the memory.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The body of one answer, whatever its HTTP status.
class HttpResponse {
public:
    virtual ~HttpResponse() = default;

    // The next bytes of the body, at most `size` of them, as received; ""
    // at the end of the body; nullopt when reading failed or timed out, and
    // once the answer has taken longer than its deadline or grown past the
    // size limit.
    [[nodiscard]] virtual std::optional<std::string> Read(std::size_t size) = 0;

    // The answer's HTTP status code (200 for a page served as asked).
    [[nodiscard]] virtual int Status() = 0;

    // The body's length as the server announced it (Content-Length), or
    // nullopt when it announced none: a chunked answer, or one whose end is
    // where the server closes the connection.
    [[nodiscard]] virtual std::optional<std::uint64_t> PromisedLength() = 0;
};

// Why a GET gave no answer.
enum class HttpFailure {
    None,         // the last GET was answered
    Unreachable,  // no network, unknown host, refused, timed out, not HTTP
    // An https server whose certificate failed its check (untrusted,
    // another name, expired, revoked): someone may be in between.
    Certificate,
};

class Http {
public:
    virtual ~Http() = default;

    // Sends a GET of the URL; nullptr when the connection or the request
    // could not be opened (no network, unknown host, refused, timed out).
    [[nodiscard]] virtual std::unique_ptr<HttpResponse> Get(std::string_view url) = 0;
    // Why the last Get gave nullptr; None after one that was answered.
    [[nodiscard]] virtual HttpFailure LastFailure() const = 0;
};

}  // namespace platform

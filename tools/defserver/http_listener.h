#pragma once

// Listens for HTTP and answers each connection's one request through the
// request handler. cpp-httplib accepts the connections and runs them on its
// thread pool, but the request is read here: cpp-httplib refuses a request
// line whose target holds raw spaces, and the program sends its date so.

#include <httplib.h>

#include <string>

#include "http_request.h"
#include "request_handler.h"
#include "server_dates.h"

namespace defserver {

class HttpListener : public httplib::Server {
public:
    explicit HttpListener(RequestHandler& handler) : m_handler(handler) {}

private:
    bool process_and_close_socket(socket_t socket) override;

    RequestHandler& m_handler;
};

// The request heads the listener accepts, at most.
inline constexpr std::size_t kMaxHeadSize = 16 * 1024;

// The status line and headers of an answer (the body follows them).
[[nodiscard]] std::string ResponseHead(const HttpAnswer& answer);

// One line for the server's log: time, address, method, target (bytes
// outside printable ASCII shown as \xNN), status, body size, note.
[[nodiscard]] std::string LogLine(UnixSeconds now, const std::string& remoteAddress,
                                  const HttpRequest* request, const HttpAnswer& answer);

}  // namespace defserver

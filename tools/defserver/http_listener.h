#pragma once

// Listens for HTTP and answers each connection's one request through the
// request handler. cpp-httplib accepts the connections and runs them on its
// thread pool, but the request is read here: cpp-httplib refuses a request
// line whose target holds raw spaces, and the program sends its date so.
//
// A client cannot hold a thread for long: the whole head must arrive within
// a few seconds, the whole answer be taken within a time that grows with
// its size, and one address gets only a few connections at once.

#include <httplib.h>

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

#include "http_request.h"
#include "request_handler.h"
#include "server_dates.h"

namespace defserver {

struct ConnectionLimits {
    // Connections served at once; more wait for a free one.
    std::size_t workers = 128;
    // Connections of one address at once; 0: no limit (behind a proxy,
    // whose own address they all come from).
    int perAddress = 8;
    std::chrono::milliseconds headTime{5000};
    // An answer may take this long, plus a second for every
    // `answerBytesPerSecond` bytes.
    std::chrono::milliseconds answerTime{10000};
    std::size_t answerBytesPerSecond = 32 * 1024;
    // Take the client's address from the X-Real-IP header that a proxy in
    // front sets; a client's own header would be believed too.
    bool addressFromProxy = false;
};

class HttpListener : public httplib::Server {
public:
    HttpListener(RequestHandler& handler, ConnectionLimits limits = {});

private:
    bool process_and_close_socket(socket_t socket) override;

    // False when the address has all the connections it may have.
    bool Admit(const std::string& address);
    void Release(const std::string& address);

    RequestHandler& m_handler;
    const ConnectionLimits m_limits;
    std::mutex m_countsMutex;
    std::unordered_map<std::string, int> m_connectionsByAddress;
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

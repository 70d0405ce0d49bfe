#pragma once

// Listens for HTTP and answers each connection's one request through the
// request handler, on a pool of threads. The request is read here rather
// than by cpp-httplib's server, which refuses a request line whose target
// holds raw spaces (the program may send its date so) and keeps only five
// connections waiting to be accepted, so that a burst of clients waits
// seconds for the system to retry.
//
// A client cannot hold a thread for long: the heads are read by the
// accepting thread, for all connections at once, and only a whole head
// goes to a worker; the whole head must arrive within a few seconds of the
// connection, the whole answer be taken within a time that grows with its
// size, and one address gets only a few connections at once.

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "http_request.h"
#include "request_handler.h"
#include "server_dates.h"

namespace defserver {

struct ConnectionLimits {
    // Requests answered at once; more wait for a free worker.
    std::size_t workers = 128;
    // Connections whose head is still coming, and whole requests waiting
    // for a worker, each at most this many; more are refused at once.
    std::size_t queued = 512;
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

// How the reading of a request head ended.
enum class HeadReading { Complete, TooLarge, Late, Broken };

class HttpListener {
public:
    HttpListener(RequestHandler& handler, ConnectionLimits limits = {});
    ~HttpListener();
    HttpListener(const HttpListener&) = delete;
    HttpListener& operator=(const HttpListener&) = delete;

    // The port listened on (a free one for port 0), or -1.
    [[nodiscard]] int Bind(const std::string& address, int port);
    // Accepts and answers until Stop(); false when it could not run.
    bool Run();
    [[nodiscard]] bool IsRunning() const noexcept { return m_running; }
    // From any thread; Run() returns soon after.
    void Stop() noexcept { m_stopping = true; }

private:
    struct Waiting;

    // Takes the connections that have arrived; false when the system has
    // no descriptor (or memory) for another one just now.
    bool AcceptAll(std::vector<Waiting>& waiting);
    // Answers at once, from the accepting thread, without waiting for the
    // client, and hangs up.
    void RefuseAtOnce(int socket, const std::string& remote, int status, std::string note);
    void Dispatch(httplib::ThreadPool& workers, Waiting waiting, HeadReading reading);
    // Answers a whole request head.
    void Serve(int socket, const std::string& counted, const std::string& head);

    // False when the address has all the connections it may have.
    bool Admit(const std::string& address);
    void Release(const std::string& address);

    RequestHandler& m_handler;
    const ConnectionLimits m_limits;
    int m_socket = -1;
    std::atomic<bool> m_running = false;
    std::atomic<bool> m_stopping = false;
    // Whole requests given to the workers and not yet taken up.
    std::atomic<std::size_t> m_queued = 0;
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

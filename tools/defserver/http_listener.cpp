#include "http_listener.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>

namespace defserver {

namespace {

using Clock = std::chrono::steady_clock;

// Waits until the socket is ready for `events` or the deadline passes. A
// time-out on each read or write would not do: a client that sends a byte
// now and then would renew it for ever.
bool WaitUntil(int socket, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd ready{socket, events, 0};
        const int polled = poll(&ready, 1, static_cast<int>(left.count()));
        if (polled > 0) {
            return true;
        }
        if (polled < 0 && errno != EINTR) {
            return false;
        }
    }
}

// Takes what has arrived of a head, up to the empty line that ends it;
// nullopt while more is to come. A client that closes its side after the
// request line alone has still said what it wants.
std::optional<HeadReading> ReadMore(int socket, std::string& head) {
    char block[4096];
    const ssize_t got = recv(socket, block, sizeof block, MSG_DONTWAIT);
    if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
        return std::nullopt;
    }
    if (got <= 0) {
        return got == 0 && head.find('\n') != std::string::npos ? HeadReading::Complete
                                                                : HeadReading::Broken;
    }
    const std::size_t searchFrom = head.size() < 3 ? 0 : head.size() - 3;
    head.append(block, static_cast<std::size_t>(got));
    std::size_t end = head.find("\r\n\r\n", searchFrom);
    if (end == std::string::npos) {
        end = head.find("\n\n", searchFrom);
    }
    if (end != std::string::npos) {
        return end < kMaxHeadSize ? HeadReading::Complete : HeadReading::TooLarge;
    }
    if (head.size() > kMaxHeadSize) {
        return HeadReading::TooLarge;
    }
    return std::nullopt;
}

bool SendAll(int socket, std::string_view data, Clock::time_point deadline) {
    while (!data.empty()) {
        if (!WaitUntil(socket, POLLOUT, deadline)) {
            return false;
        }
        const ssize_t sent = send(socket, data.data(), data.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// Closing with unread bytes would reset the connection, and the client
// could lose the answer: end our side, then let the client finish, for a
// moment at most.
void CloseGently(int socket) {
    shutdown(socket, SHUT_WR);
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(1);
    char block[4096];
    while (WaitUntil(socket, POLLIN, deadline)) {
        const ssize_t got = recv(socket, block, sizeof block, MSG_DONTWAIT);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) {
            break;
        }
    }
    close(socket);
}

std::string PeerAddress(int socket) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (getpeername(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return "-";
    }
    char text[INET6_ADDRSTRLEN] = "-";
    if (address.ss_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(&address)->sin_addr, text, sizeof text);
    } else if (address.ss_family == AF_INET6) {
        inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(&address)->sin6_addr, text,
                  sizeof text);
    }
    return text;
}

std::string_view Reason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 304:
            return "Not Modified";
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 408:
            return "Request Timeout";
        case 431:
            return "Request Header Fields Too Large";
        case 503:
            return "Service Unavailable";
        default:
            return "Internal Server Error";
    }
}

HttpAnswer Refusal(int status, std::string note) {
    HttpAnswer answer;
    answer.status = status;
    answer.note = std::move(note);
    return answer;
}

std::string Printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b >= 0x7F || c == '\\') {
            shown += "\\x";
            shown.push_back(kHex[b >> 4]);
            shown.push_back(kHex[b & 0xF]);
        } else {
            shown.push_back(c);
        }
    }
    return shown;
}

}  // namespace

std::string ResponseHead(const HttpAnswer& answer) {
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " " +
                       std::string(Reason(answer.status)) + "\r\n";
    // A 304 describes the stored answer, whose length is not this one's.
    if (answer.status != 304) {
        head += "Content-Type: " + answer.contentType + "\r\n";
        head += "Content-Length: " + std::to_string(answer.body.size()) + "\r\n";
    }
    head += "Cache-Control: " + answer.cacheControl + "\r\n";
    if (!answer.etag.empty()) {
        head += "ETag: " + answer.etag + "\r\n";
    }
    if (!answer.location.empty()) {
        head += "Location: " + answer.location + "\r\n";
    }
    if (answer.status == 405) {
        head += "Allow: GET, HEAD\r\n";
    }
    head += "Connection: close\r\n\r\n";
    return head;
}

std::string LogLine(UnixSeconds now, const std::string& remoteAddress, const HttpRequest* request,
                    const HttpAnswer& answer) {
    std::string line = IsoDateText(now) + " " + remoteAddress + " ";
    line += request != nullptr ? Printable(request->method) + " " + Printable(request->target)
                               : std::string("- -");
    line += " " + std::to_string(answer.status) + " " + std::to_string(answer.body.size());
    if (!answer.note.empty()) {
        line += " (" + Printable(answer.note) + ")";
    }
    return line;
}

HttpListener::HttpListener(RequestHandler& handler, ConnectionLimits limits)
    : m_handler(handler), m_limits(limits) {}

HttpListener::~HttpListener() {
    if (m_socket >= 0) {
        close(m_socket);
    }
}

int HttpListener::Bind(const std::string& address, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (m_socket >= 0 ||
        getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return -1;
    }
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> addresses(found, freeaddrinfo);
    for (const addrinfo* at = found; at != nullptr && m_socket < 0; at = at->ai_next) {
        const int socket = ::socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                                    at->ai_protocol);
        const int yes = 1;
        if (socket >= 0 && setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) == 0 &&
            bind(socket, at->ai_addr, at->ai_addrlen) == 0 && listen(socket, SOMAXCONN) == 0) {
            m_socket = socket;
        } else if (socket >= 0) {
            close(socket);
        }
    }
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (m_socket < 0 || getsockname(m_socket, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        return -1;
    }
    return ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                                             : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
}

struct HttpListener::Waiting {
    int socket = -1;
    // The address counted against its limit.
    std::string remote;
    // From the moment the connection was accepted, however long it waited.
    Clock::time_point deadline;
    std::string head;
};

bool HttpListener::Run() {
    if (m_socket < 0) {
        return false;
    }
    httplib::ThreadPool workers(m_limits.workers);
    m_running = true;
    std::vector<Waiting> waiting;
    // When the system had no descriptor left, the listening socket stays
    // ready; asking it again at once would only spin.
    Clock::time_point acceptAgain = Clock::now();
    std::vector<pollfd> ready;
    while (!m_stopping) {
        const Clock::time_point now = Clock::now();
        const bool accepting = waiting.size() < m_limits.queued && now >= acceptAgain;
        Clock::time_point wake = now + std::chrono::milliseconds(100);
        ready.assign(1, pollfd{accepting ? m_socket : -1, POLLIN, 0});
        for (const Waiting& connection : waiting) {
            ready.push_back(pollfd{connection.socket, POLLIN, 0});
            wake = std::min(wake, connection.deadline);
        }
        if (!accepting && acceptAgain > now) {
            wake = std::min(wake, acceptAgain);
        }
        const auto timeout = std::chrono::duration_cast<std::chrono::milliseconds>(wake - now);
        if (poll(ready.data(), ready.size(),
                 static_cast<int>(std::max<long long>(timeout.count() + 1, 0))) < 0 &&
            errno != EINTR) {
            break;
        }
        // Heads first: the connections accepted below have nothing to read yet.
        std::vector<Waiting> stillWaiting;
        const Clock::time_point checked = Clock::now();
        for (std::size_t i = 0; i < waiting.size(); ++i) {
            Waiting& connection = waiting[i];
            std::optional<HeadReading> reading;
            if ((ready[i + 1].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
                reading = ReadMore(connection.socket, connection.head);
            }
            if (!reading && checked >= connection.deadline) {
                reading = HeadReading::Late;
            }
            if (reading) {
                Dispatch(workers, std::move(connection), *reading);
            } else {
                stillWaiting.push_back(std::move(connection));
            }
        }
        waiting = std::move(stillWaiting);
        if (accepting && (ready[0].revents & POLLIN) != 0 && !AcceptAll(waiting)) {
            acceptAgain = Clock::now() + std::chrono::milliseconds(100);
        }
    }
    for (const Waiting& connection : waiting) {
        close(connection.socket);
        Release(connection.remote);
    }
    workers.shutdown();
    m_running = false;
    return true;
}

bool HttpListener::AcceptAll(std::vector<Waiting>& waiting) {
    while (waiting.size() < m_limits.queued) {
        const int connection = accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            return errno != EMFILE && errno != ENFILE && errno != ENOBUFS && errno != ENOMEM;
        }
        std::string remote = PeerAddress(connection);
        if (!Admit(remote)) {
            RefuseAtOnce(connection, remote, 503, "too many connections from this address");
            continue;
        }
        waiting.push_back(
            Waiting{connection, std::move(remote), Clock::now() + m_limits.headTime, {}});
    }
    return true;
}

void HttpListener::RefuseAtOnce(int socket, const std::string& remote, int status,
                                std::string note) {
    const HttpAnswer refusal = Refusal(status, std::move(note));
    const std::string head = ResponseHead(refusal);
    static_cast<void>(send(socket, head.data(), head.size(), MSG_NOSIGNAL | MSG_DONTWAIT));
    close(socket);
    std::fprintf(stderr, "%s\n", LogLine(SystemNow(), remote, nullptr, refusal).c_str());
}

void HttpListener::Dispatch(httplib::ThreadPool& workers, Waiting waiting, HeadReading reading) {
    // A head that did not come whole is refused here: a worker would wait
    // for such a client to finish.
    if (reading == HeadReading::Broken && waiting.head.empty()) {
        // Gone without a word.
        close(waiting.socket);
    } else if (reading == HeadReading::TooLarge) {
        RefuseAtOnce(waiting.socket, waiting.remote, 431, "request head too large");
    } else if (reading == HeadReading::Late) {
        RefuseAtOnce(waiting.socket, waiting.remote, 408, "request head too slow");
    } else if (reading == HeadReading::Broken) {
        RefuseAtOnce(waiting.socket, waiting.remote, 400, "incomplete request");
    } else if (m_queued >= m_limits.queued) {
        RefuseAtOnce(waiting.socket, waiting.remote, 503, "too many requests waiting");
    } else {
        ++m_queued;
        workers.enqueue([this, waiting = std::move(waiting)] {
            --m_queued;
            Serve(waiting.socket, waiting.remote, waiting.head);
        });
        return;
    }
    Release(waiting.remote);
}

bool HttpListener::Admit(const std::string& address) {
    const std::lock_guard lock(m_countsMutex);
    int& count = m_connectionsByAddress[address];
    if (m_limits.perAddress > 0 && count >= m_limits.perAddress) {
        if (count == 0) {
            m_connectionsByAddress.erase(address);
        }
        return false;
    }
    ++count;
    return true;
}

void HttpListener::Release(const std::string& address) {
    const std::lock_guard lock(m_countsMutex);
    const auto found = m_connectionsByAddress.find(address);
    if (found != m_connectionsByAddress.end() && --found->second <= 0) {
        m_connectionsByAddress.erase(found);
    }
}

void HttpListener::Serve(int socket, const std::string& counted, const std::string& head) {
    std::string remote = counted;
    if (m_limits.addressFromProxy) {
        if (std::optional<std::string> real = HeaderValue(head, "X-Real-IP")) {
            remote = std::move(*real);
        }
    }
    std::optional<HttpRequest> request;
    HttpAnswer answer;
    std::string_view requestLine = std::string_view(head).substr(0, head.find('\n'));
    if (!requestLine.empty() && requestLine.back() == '\r') {
        requestLine.remove_suffix(1);
    }
    request = ParseRequestLine(requestLine);
    if (!request) {
        answer = Refusal(400, "unreadable request line");
    } else if (request->method != "GET" && request->method != "HEAD") {
        answer = Refusal(405, "only GET and HEAD");
    } else {
        request->remoteAddress = remote;
        request->ifNoneMatch = HeaderValue(head, "If-None-Match");
        answer = m_handler.Handle(*request, SystemNow());
    }
    const bool headOnly = request && request->method == "HEAD";
    const auto sendingTime =
        m_limits.answerTime +
        std::chrono::milliseconds(1000 * answer.body.size() /
                                  std::max<std::size_t>(m_limits.answerBytesPerSecond, 1));
    const Clock::time_point deadline = Clock::now() + sendingTime;
    if (SendAll(socket, ResponseHead(answer), deadline) && !headOnly) {
        static_cast<void>(SendAll(socket, answer.body, deadline));
    }
    // The client has its answer and may already be opening its next
    // connection.
    Release(counted);
    CloseGently(socket);
    const std::string line = LogLine(SystemNow(), remote, request ? &*request : nullptr, answer);
    std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace defserver

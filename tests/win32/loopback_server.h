#pragma once

// A small HTTP server on 127.0.0.1 for the tests, on a thread of its own: it
// answers each request with the next scripted bytes, and once the script is
// used up it answers nothing and holds the connection open until it ends.

#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace win32_tests {

using namespace std::chrono_literals;

class Winsock {
public:
    Winsock() {
        WSADATA data;
        m_started = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }
    ~Winsock() {
        if (m_started) {
            ::WSACleanup();
        }
    }
    Winsock(const Winsock&) = delete;
    Winsock& operator=(const Winsock&) = delete;

private:
    bool m_started = false;
};

class UniqueSocket {
public:
    explicit UniqueSocket(SOCKET value = INVALID_SOCKET) noexcept : m_value(value) {}
    ~UniqueSocket() {
        if (m_value != INVALID_SOCKET) {
            ::closesocket(m_value);
        }
    }
    UniqueSocket(UniqueSocket&& other) noexcept
        : m_value(std::exchange(other.m_value, INVALID_SOCKET)) {}
    UniqueSocket& operator=(UniqueSocket&&) = delete;
    UniqueSocket(const UniqueSocket&) = delete;
    UniqueSocket& operator=(const UniqueSocket&) = delete;

    [[nodiscard]] SOCKET Get() const noexcept { return m_value; }

private:
    SOCKET m_value;
};

// A socket bound to 127.0.0.1 on a port the system chose, and that port.
inline std::pair<UniqueSocket, int> BoundLoopbackSocket() {
    UniqueSocket socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof(address);
    if (::bind(socket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::getsockname(socket.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return {UniqueSocket(), 0};
    }
    return {std::move(socket), ntohs(address.sin_port)};
}

// True when the socket has something to read (or was closed) within the wait.
inline bool Readable(SOCKET socket, std::chrono::milliseconds wait) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(socket, &set);
    timeval limit{0, static_cast<long>(wait.count() * 1000)};
    return ::select(0, &set, nullptr, nullptr, &limit) == 1;
}

// An HTTP server on 127.0.0.1, on a thread of its own. It takes connections
// one after the other, reads each request up to its blank line, and answers
// it with the next scripted bytes; once the script is used up it answers
// nothing and holds the connection open until the server ends.
class LoopbackServer {
public:
    enum class Then { Close, HoldOpen };

    LoopbackServer() {
        auto [listener, port] = BoundLoopbackSocket();
        if (listener.Get() == INVALID_SOCKET || ::listen(listener.Get(), SOMAXCONN) != 0) {
            return;
        }
        m_port = port;
        m_thread = std::thread([this, socket = std::move(listener)] { Run(socket.Get()); });
    }
    ~LoopbackServer() {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    void Answer(std::string bytes, Then then = Then::Close) {
        const std::lock_guard lock(m_mutex);
        m_script.push_back({std::move(bytes), then, {}, {}});
    }

    // Answers with the head, then sends the piece again and again, `pause`
    // apart, for as long as the client takes it: a trickle, or with no pause
    // a body without end.
    void AnswerEndlessly(std::string head, std::string piece, std::chrono::milliseconds pause) {
        const std::lock_guard lock(m_mutex);
        m_script.push_back({std::move(head), Then::Close, std::move(piece), pause});
    }

    [[nodiscard]] std::string Url(std::string_view pathAndQuery) const {
        return "http://127.0.0.1:" + std::to_string(m_port) + std::string(pathAndQuery);
    }

    // The requests received so far, as sent.
    [[nodiscard]] std::vector<std::string> Requests() const {
        const std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    struct Reply {
        std::string bytes;
        Then then;
        std::string piece;  // sent on and on after the bytes, when not empty
        std::chrono::milliseconds pause;
    };

    // Sends the piece until the client goes or the server ends.
    void SendEndlessly(SOCKET client, const Reply& reply) {
        while (!m_stop) {
            if (!Writable(client, 50ms)) {
                continue;
            }
            if (::send(client, reply.piece.data(), static_cast<int>(reply.piece.size()), 0) <= 0) {
                return;
            }
            if (reply.pause.count() > 0) {
                std::this_thread::sleep_for(reply.pause);
            }
        }
    }

    static bool Writable(SOCKET socket, std::chrono::milliseconds wait) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(socket, &set);
        timeval limit{0, static_cast<long>(wait.count() * 1000)};
        return ::select(0, nullptr, &set, nullptr, &limit) == 1;
    }

    void Run(SOCKET listener) {
        std::vector<UniqueSocket> held;
        while (!m_stop) {
            if (!Readable(listener, 50ms)) {
                continue;
            }
            UniqueSocket client(::accept(listener, nullptr, nullptr));
            if (client.Get() == INVALID_SOCKET) {
                continue;
            }
            const std::optional<std::string> request = ReadRequest(client.Get());
            if (!request) {
                continue;
            }
            std::optional<Reply> reply;
            {
                const std::lock_guard lock(m_mutex);
                m_requests.push_back(*request);
                if (!m_script.empty()) {
                    reply = std::move(m_script.front());
                    m_script.pop_front();
                }
            }
            if (reply) {
                ::send(client.Get(), reply->bytes.data(), static_cast<int>(reply->bytes.size()), 0);
                if (!reply->piece.empty()) {
                    SendEndlessly(client.Get(), *reply);
                }
            }
            if (!reply || reply->then == Then::HoldOpen) {
                held.push_back(std::move(client));
            } else {
                ::shutdown(client.Get(), SD_SEND);
            }
        }
    }

    std::optional<std::string> ReadRequest(SOCKET client) {
        std::string request;
        while (!m_stop && request.find("\r\n\r\n") == std::string::npos) {
            if (!Readable(client, 50ms)) {
                continue;
            }
            char buffer[1024];
            const int received = ::recv(client, buffer, sizeof(buffer), 0);
            if (received <= 0) {
                return std::nullopt;
            }
            request.append(buffer, static_cast<std::size_t>(received));
        }
        return request;
    }

    Winsock m_winsock;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::deque<Reply> m_script;
    std::vector<std::string> m_requests;
    std::thread m_thread;
};

inline std::string Response(std::string_view status, std::string_view body) {
    return "HTTP/1.1 " + std::string(status) +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + std::string(body);
}

}  // namespace win32_tests

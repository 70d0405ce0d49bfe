#pragma once

// A man in the middle on 127.0.0.1 for the tests: it passes each request on
// to a server, reads the whole answer, lets the test change its body, and
// sends that back with a length that fits, so that the program receives a
// well-formed answer it must not trust.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "loopback_server.h"

namespace win32_tests {

class LoopbackProxy {
public:
    // The body of the answer to a request for `path` (with its query), as
    // the test wants it to arrive.
    using Alter = std::function<std::string(std::string_view path, std::string body)>;

    // `upstreamPort` is the server's port on 127.0.0.1.
    LoopbackProxy(int upstreamPort, Alter alter)
        : m_upstreamPort(upstreamPort), m_alter(std::move(alter)) {
        auto [listener, port] = BoundLoopbackSocket();
        if (listener.Get() == INVALID_SOCKET || ::listen(listener.Get(), SOMAXCONN) != 0) {
            return;
        }
        m_port = port;
        m_thread = std::thread([this, socket = std::move(listener)] { Run(socket.Get()); });
    }
    ~LoopbackProxy() {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    LoopbackProxy(const LoopbackProxy&) = delete;
    LoopbackProxy& operator=(const LoopbackProxy&) = delete;

    [[nodiscard]] std::string Url() const { return "http://127.0.0.1:" + std::to_string(m_port); }

private:
    void Run(SOCKET listener) {
        while (!m_stop) {
            if (!Readable(listener, 50ms)) {
                continue;
            }
            UniqueSocket client(::accept(listener, nullptr, nullptr));
            if (client.Get() == INVALID_SOCKET) {
                continue;
            }
            const std::optional<std::string> request = ReadHead(client.Get());
            if (!request) {
                continue;
            }
            const std::string answer = Forward(*request);
            ::send(client.Get(), answer.data(), static_cast<int>(answer.size()), 0);
            ::shutdown(client.Get(), SD_SEND);
        }
    }

    std::optional<std::string> ReadHead(SOCKET socket) {
        std::string text;
        while (!m_stop && text.find("\r\n\r\n") == std::string::npos) {
            if (!Readable(socket, 50ms)) {
                continue;
            }
            char buffer[1024];
            const int received = ::recv(socket, buffer, sizeof(buffer), 0);
            if (received <= 0) {
                return std::nullopt;
            }
            text.append(buffer, static_cast<std::size_t>(received));
        }
        return text;
    }

    // The server's answer to the request, its body altered. The request is
    // sent on as it came, but for one connection only.
    std::string Forward(const std::string& request) {
        const std::size_t pathStart = request.find(' ') + 1;
        const std::string path =
            request.substr(pathStart, request.find(' ', pathStart) - pathStart);
        UniqueSocket upstream(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<u_short>(m_upstreamPort));
        if (::connect(upstream.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) !=
            0) {
            return Response("502 Bad Gateway", "");
        }
        const std::string head = request.substr(0, request.find("\r\n")) +
                                 "\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
        ::send(upstream.Get(), head.data(), static_cast<int>(head.size()), 0);
        std::string answer;
        while (!m_stop) {
            if (!Readable(upstream.Get(), 50ms)) {
                continue;
            }
            char buffer[4096];
            const int received = ::recv(upstream.Get(), buffer, sizeof(buffer), 0);
            if (received <= 0) {
                break;
            }
            answer.append(buffer, static_cast<std::size_t>(received));
        }
        const std::size_t bodyStart = answer.find("\r\n\r\n");
        if (bodyStart == std::string::npos) {
            return Response("502 Bad Gateway", "");
        }
        const std::string status = answer.substr(9, answer.find("\r\n") - 9);
        return Response(status, m_alter(path, answer.substr(bodyStart + 4)));
    }

    int m_upstreamPort;
    Alter m_alter;
    Winsock m_winsock;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// The port of an address "http://127.0.0.1:<port>".
inline int PortOf(const std::string& url) {
    return std::stoi(url.substr(url.rfind(':') + 1));
}

}  // namespace win32_tests

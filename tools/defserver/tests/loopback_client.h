#pragma once

// Plain sockets on loopback for the server's tests: requests written byte
// for byte as a test wants them, from any address of 127.0.0.0/8, so that
// many "machines" can be played on one.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace defserver::testing {

// A connected socket, or -1.
inline int ConnectFrom(int port, const char* fromAddress = "127.0.0.1") {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, fromAddress, &local.sin_addr);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(socket, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
        connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(socket);
        return -1;
    }
    const timeval limit{10, 0};
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    return socket;
}

// Everything the other side sends until it closes (or ten quiet seconds).
inline std::string ReadToEnd(int socket) {
    std::string answer;
    char block[4096];
    for (ssize_t got; (got = recv(socket, block, sizeof block, 0)) > 0;) {
        answer.append(block, static_cast<std::size_t>(got));
    }
    return answer;
}

// Sends bytes on a connection of its own and reads until the server closes.
inline std::string Exchange(int port, std::string_view bytes,
                            const char* fromAddress = "127.0.0.1") {
    const int socket = ConnectFrom(port, fromAddress);
    if (socket < 0) {
        return {};
    }
    static_cast<void>(send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL));
    if (bytes.empty()) {
        shutdown(socket, SHUT_WR);
    }
    std::string answer = ReadToEnd(socket);
    close(socket);
    return answer;
}

inline std::string_view StatusLine(std::string_view answer) {
    return answer.substr(0, answer.find("\r\n"));
}

inline std::string_view BodyOf(std::string_view answer) {
    const std::size_t end = answer.find("\r\n\r\n");
    return end == std::string_view::npos ? std::string_view() : answer.substr(end + 4);
}

}  // namespace defserver::testing

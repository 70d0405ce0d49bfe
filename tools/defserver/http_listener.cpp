#include "http_listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

namespace defserver {

namespace {

enum class HeadReading { Complete, TooLarge, Broken };

void SetTimeout(int socket, int option, int seconds) {
    const timeval limit{seconds, 0};
    setsockopt(socket, SOL_SOCKET, option, &limit, sizeof limit);
}

// Up to the empty line that ends the head; a client that closes its side
// after the request line alone has still said what it wants.
HeadReading ReadHead(int socket, std::string& head) {
    char block[4096];
    for (;;) {
        const ssize_t got = recv(socket, block, sizeof block, 0);
        if (got < 0 && errno == EINTR) {
            continue;
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
    }
}

bool SendAll(int socket, std::string_view data) {
    while (!data.empty()) {
        const ssize_t sent = send(socket, data.data(), data.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
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
// could lose the answer: end our side, then let the client finish.
void CloseGently(int socket) {
    shutdown(socket, SHUT_WR);
    SetTimeout(socket, SO_RCVTIMEO, 1);
    char block[4096];
    for (int reads = 0; reads < 64 && recv(socket, block, sizeof block, 0) > 0; ++reads) {
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
        case 400:
            return "Bad Request";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 431:
            return "Request Header Fields Too Large";
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
    head += "Content-Type: " + answer.contentType + "\r\n";
    head += "Content-Length: " + std::to_string(answer.body.size()) + "\r\n";
    // Every update must see the log as it is now, never a cached answer.
    head += "Cache-Control: no-cache, no-store\r\n";
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

bool HttpListener::process_and_close_socket(socket_t socket) {
    SetTimeout(socket, SO_RCVTIMEO, 5);
    SetTimeout(socket, SO_SNDTIMEO, 30);
    std::string head;
    const HeadReading reading = ReadHead(socket, head);
    if (reading == HeadReading::Broken && head.empty()) {
        close(socket);
        return true;
    }
    const std::string remote = PeerAddress(socket);
    std::optional<HttpRequest> request;
    HttpAnswer answer;
    if (reading == HeadReading::TooLarge) {
        answer = Refusal(431, "request head too large");
    } else if (reading == HeadReading::Broken) {
        answer = Refusal(400, "incomplete request");
    } else {
        std::string_view line = std::string_view(head).substr(0, head.find('\n'));
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        request = ParseRequestLine(line);
        if (!request) {
            answer = Refusal(400, "unreadable request line");
        } else if (request->method != "GET" && request->method != "HEAD") {
            answer = Refusal(405, "only GET and HEAD");
        } else {
            request->remoteAddress = remote;
            answer = m_handler.Handle(*request, SystemNow());
        }
    }
    const bool headOnly = request && request->method == "HEAD";
    if (SendAll(socket, ResponseHead(answer)) && !headOnly) {
        static_cast<void>(SendAll(socket, answer.body));
    }
    CloseGently(socket);
    const std::string line = LogLine(SystemNow(), remote, request ? &*request : nullptr, answer);
    std::fprintf(stderr, "%s\n", line.c_str());
    return true;
}

}  // namespace defserver

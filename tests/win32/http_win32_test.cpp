#include "platform/win32/http_win32.h"

#include <gtest/gtest.h>

#include "loopback_server.h"

#include <winsock2.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace platform::win32 {
namespace {

using win32_tests::BoundLoopbackSocket;
using win32_tests::LoopbackServer;
using win32_tests::Response;
using win32_tests::UniqueSocket;
using win32_tests::Winsock;

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kShortTimeout = 2s;
// Far below the 30 s a test would wait without the time-out, far above the
// time-out itself.
constexpr std::chrono::seconds kGiveUpBound = 10s;

// The body read in blocks of 256 bytes, as the program reads it; nullopt
// when a read failed. Every block must fit the size asked.
std::optional<std::string> ReadWhole(HttpResponse& response) {
    std::string body;
    for (;;) {
        std::optional<std::string> block = response.Read(256);
        if (!block) {
            return std::nullopt;
        }
        EXPECT_LE(block->size(), 256u);
        if (block->empty()) {
            return body;
        }
        body += *block;
    }
}

std::string Body300() {
    std::string body;
    for (int i = 0; i < 300; ++i) {
        body.push_back(i % 50 == 49 ? '\n' : static_cast<char>(0xC0 + i % 32));
    }
    return body;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(HttpWin32, BodyIsReadWholeInBlocksWithItsLengthGivenOrNot) {
    const std::string body = Body300();
    LoopbackServer server;
    server.Answer(Response("200 OK", body));
    // Without a length the body ends where the server closes the connection.
    server.Answer("HTTP/1.0 200 OK\r\n\r\n" + body);
    HttpWin32 http(kShortTimeout);
    for (int answer = 0; answer < 2; ++answer) {
        const std::unique_ptr<HttpResponse> response = http.Get(server.Url("/asp/defs.asp"));
        ASSERT_NE(response, nullptr);
        EXPECT_EQ(response->Status(), 200);
        EXPECT_EQ(response->PromisedLength(),
                  answer == 0 ? std::optional<std::uint64_t>(300) : std::nullopt);
        EXPECT_EQ(ReadWhole(*response), body) << "answer " << answer;
    }
}

TEST(HttpWin32, ABodyCutShortStillTellsTheLengthItPromised) {
    LoopbackServer server;
    server.Answer("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + Body300());
    HttpWin32 http(kShortTimeout);
    const std::unique_ptr<HttpResponse> response = http.Get(server.Url("/asp/defs.asp"));
    ASSERT_NE(response, nullptr);
    EXPECT_EQ(response->PromisedLength(), 1000u);
    const std::optional<std::string> body = ReadWhole(*response);
    EXPECT_TRUE(!body || body->size() < 1000) << "no more than arrived";
}

TEST(HttpWin32, ErrorPageBodyIsReturnedLikeAnyOther) {
    LoopbackServer server;
    server.Answer(Response("404 Not Found", "<html>No such page</html>"));
    HttpWin32 http(kShortTimeout);
    const std::unique_ptr<HttpResponse> response = http.Get(server.Url("/missing.asp"));
    ASSERT_NE(response, nullptr);
    EXPECT_EQ(response->Status(), 404) << "and told for what it is";
    EXPECT_EQ(ReadWhole(*response), "<html>No such page</html>");
}

// A body that keeps coming, slowly or without end, is given up at the
// answer's deadline or its size limit, whichever comes first.
TEST(HttpWin32, ABodyThatTricklesOrNeverEndsFailsAtTheDeadlineOrTheSizeLimit) {
    constexpr std::chrono::milliseconds kDeadline = 3s;
    constexpr std::uint64_t kLargest = 256 * 1024;
    LoopbackServer trickle;
    // A byte well within each wait's time-out, for ever.
    trickle.AnswerEndlessly("HTTP/1.0 200 OK\r\n\r\n", "x", 200ms);
    LoopbackServer endless;
    endless.AnswerEndlessly("HTTP/1.0 200 OK\r\n\r\n", std::string(4096, 'y'), 0ms);
    HttpWin32 http(kShortTimeout, kDeadline, kLargest);
    for (LoopbackServer* server : {&trickle, &endless}) {
        const Clock::time_point start = Clock::now();
        const std::unique_ptr<HttpResponse> response = http.Get(server->Url("/asp/defs.asp"));
        ASSERT_NE(response, nullptr);
        EXPECT_EQ(response->Status(), 200);
        std::uint64_t received = 0;
        bool failed = false;
        while (!failed && SecondsSince(start) < 60) {
            const std::optional<std::string> block = response->Read(256);
            failed = !block;
            ASSERT_TRUE(failed || !block->empty()) << "the body never ends";
            received += block ? block->size() : 0;
        }
        EXPECT_TRUE(failed);
        EXPECT_LE(received, kLargest);
        EXPECT_LT(SecondsSince(start),
                  std::chrono::duration<double>(kDeadline + kGiveUpBound).count());
    }
}

TEST(HttpWin32, RequestGoesToTheServerEveryTimeWithTheProgramsHeaders) {
    LoopbackServer server;
    server.Answer(Response("200 OK", "first"));
    server.Answer(Response("200 OK", "second"));
    HttpWin32 http(kShortTimeout);
    const std::string url = server.Url("/asp/date.asp?v=1&x=y");
    for (const char* expected : {"first", "second"}) {
        const std::unique_ptr<HttpResponse> response = http.Get(url);
        ASSERT_NE(response, nullptr);
        EXPECT_EQ(ReadWhole(*response), expected) << "never an answer from the cache";
    }
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string& request = requests[0];
    EXPECT_EQ(request.rfind("GET /asp/date.asp?v=1&x=y HTTP/1.1\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nUser-Agent: Mozilla\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nPragma: no-cache\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nAccept: */*\r\n"), std::string::npos) << request;
}

TEST(HttpWin32, NoServerOrNoHttpUrlGivesNoResponse) {
    Winsock winsock;
    int freePort = 0;
    {
        // A port that was free a moment ago has nothing listening on it.
        const auto bound = BoundLoopbackSocket();
        freePort = bound.second;
    }
    ASSERT_NE(freePort, 0);
    HttpWin32 http(kShortTimeout);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(http.Get("http://127.0.0.1:" + std::to_string(freePort) + "/"), nullptr);
    EXPECT_LT(SecondsSince(start), std::chrono::duration<double>(kGiveUpBound).count());
    EXPECT_EQ(http.Get("not a url"), nullptr);
    EXPECT_EQ(http.Get("ftp://127.0.0.1/file.txt"), nullptr);
}

TEST(HttpWin32, ServerThatNeverAnswersIsGivenUpAfterTheTimeout) {
    LoopbackServer server;
    HttpWin32 http(kShortTimeout);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(http.Get(server.Url("/asp/date.asp")), nullptr);
    const double seconds = SecondsSince(start);
    EXPECT_LT(seconds, std::chrono::duration<double>(kGiveUpBound).count());
    EXPECT_GE(seconds, 1.0) << "it failed before waiting";
    EXPECT_EQ(server.Requests().size(), 1u) << "the request was sent";
}

TEST(HttpWin32, BodyThatStopsComingEndsInAFailedReadAfterTheTimeout) {
    LoopbackServer server;
    server.Answer("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + Body300(),
                  LoopbackServer::Then::HoldOpen);
    HttpWin32 http(kShortTimeout);
    const std::unique_ptr<HttpResponse> response = http.Get(server.Url("/asp/defs.asp"));
    ASSERT_NE(response, nullptr);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(ReadWhole(*response), std::nullopt);
    EXPECT_LT(SecondsSince(start), std::chrono::duration<double>(kGiveUpBound).count());
}

TEST(HttpWin32, ServerThatNeverTakesTheConnectionIsGivenUpAfterTheTimeout) {
    Winsock winsock;
    // A listener that never accepts, its one-place queue already taken: the
    // system leaves further connections unanswered.
    auto [listener, port] = BoundLoopbackSocket();
    ASSERT_EQ(::listen(listener.Get(), 0), 0);
    std::vector<UniqueSocket> queued;
    for (int i = 0; i < 3; ++i) {
        UniqueSocket socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        u_long nonBlocking = 1;
        ::ioctlsocket(socket.Get(), FIONBIO, &nonBlocking);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<u_short>(port));
        ::connect(socket.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address));
        queued.push_back(std::move(socket));
    }
    HttpWin32 http(kShortTimeout);
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(http.Get("http://127.0.0.1:" + std::to_string(port) + "/"), nullptr);
    EXPECT_LT(SecondsSince(start), std::chrono::duration<double>(kGiveUpBound).count());
}

}  // namespace
}  // namespace platform::win32

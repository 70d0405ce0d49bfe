// The server on a real socket: request lines as clients send them (raw
// spaces included), malformed requests, several clients at once, and the
// program itself started, asked and stopped with a signal.

#include <fcntl.h>
#include <httplib.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>
#include <vector>

#include "http_listener.h"
#include "loopback_client.h"
#include "server_program.h"
#include "temp_folder.h"

namespace defserver {
namespace {

using testing::ServerProgram;

constexpr UnixSeconds kDec1 = 1796083200;

struct RequestLine {
    std::string_view line;
    std::string_view path;
    std::string_view query;
};

TEST(RequestLines, AreReadAsClientsWriteThem) {
    const RequestLine cases[] = {
        {"GET /asp/date.asp HTTP/1.1", "/asp/date.asp", ""},
        {"GET /asp/getDefsNEW.asp?date=12/8/2026 3:04:05 PM HTTP/1.1", "/asp/getDefsNEW.asp",
         "date=12/8/2026 3:04:05 PM"},
        {"GET /asp/getDefsNEW.asp?date=12/8/2026 3:04:05 PM", "/asp/getDefsNEW.asp",
         "date=12/8/2026 3:04:05 PM"},
        {"GET /Languages/21/Localization%2Etxt?x HTTP/1.0", "/Languages/21/Localization.txt", "x"},
        {"GET http://defs.example:8080/asp/date.asp?x=1 HTTP/1.1", "/asp/date.asp", "x=1"},
        {"GET http://defs.example HTTP/1.1", "/", ""},
    };
    for (const RequestLine& expected : cases) {
        const std::optional<HttpRequest> request = ParseRequestLine(expected.line);
        ASSERT_TRUE(request) << expected.line;
        EXPECT_EQ(request->method, "GET");
        EXPECT_EQ(request->path, expected.path) << expected.line;
        EXPECT_EQ(request->query, expected.query) << expected.line;
    }
    for (const std::string_view line : {"", "GET", " /x HTTP/1.1", "GET x HTTP/1.1", "GET  "}) {
        EXPECT_FALSE(ParseRequestLine(line)) << line;
    }
}

TEST(QueryValues, AreFoundWithoutRegardToCaseAndDecoded) {
    EXPECT_EQ(QueryValue("prog=A%20B&DATE=1/2/2026+3:04", "date"), "1/2/2026+3:04");
    EXPECT_EQ(QueryValue("prog=A%20B&comp=C", "prog"), "A B");
    EXPECT_EQ(QueryValue("xdate=1&date=2", "date"), "2");
    EXPECT_EQ(QueryValue("prog=A", "date"), std::nullopt);
    EXPECT_EQ(PercentDecode("%41%4a%%2%zz%"), "AJ%%2%zz%");
}

using testing::Exchange;
using testing::StatusLine;

class Listening : public ::testing::Test {
protected:
    explicit Listening(ConnectionLimits limits = {})
        : m_log(OpenLog()), m_handler(m_log, {}), m_listener(m_handler, limits) {
        m_port = m_listener.Bind("127.0.0.1", 0);
        m_serving = std::thread([this] { m_listener.Run(); });
    }

    ~Listening() override {
        m_listener.Stop();
        m_serving.join();
    }

    static ChangeLog OpenLog() {
        Checked<ChangeLog> log = ChangeLog::Open(":memory:", Database::Opening::CreateIfMissing);
        EXPECT_TRUE(log) << log.Error();
        EXPECT_TRUE(log->Append({*MakeAddition("COOK", "a.example")}, kDec1, kDec1));
        return std::move(*log);
    }

    ChangeLog m_log;
    RequestHandler m_handler;
    HttpListener m_listener;
    int m_port = -1;
    std::thread m_serving;
};

TEST_F(Listening, AnswersAnOrdinaryHttpClient) {
    ASSERT_GT(m_port, 0);
    httplib::Client client("127.0.0.1", m_port);
    const httplib::Result date = client.Get("/asp/date.asp");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->status, 200);
    EXPECT_EQ(date->body, "12/1/2026 12:00:00 AM");
    const httplib::Result changes = client.Get("/asp/getDefsNEW.asp?prog=K&comp=K&date=3/16/2006");
    ASSERT_TRUE(changes);
    EXPECT_EQ(changes->body, "\x83\x8F\x8F\x8B|ADD[DEF]\xA1n\xA5\xB8\xA1\xAD\xB0\xAC\xA5");
}

TEST_F(Listening, ReadsADateSentWithRawSpaces) {
    const std::string answer =
        Exchange(m_port,
                 "GET /asp/getDefsNEW.asp?prog=K&comp=K&date=11/30/2026 11:59:59 PM HTTP/1.1\r\n"
                 "Host: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(StatusLine(answer), "HTTP/1.1 200 OK");
    EXPECT_NE(answer.find("\r\n\r\n\x83\x8F\x8F\x8B|ADD[DEF]"), std::string::npos) << answer;
}

TEST_F(Listening, AnswersHeadWithoutABody) {
    const std::string answer = Exchange(m_port, "HEAD /asp/date.asp HTTP/1.1\r\n\r\n");
    EXPECT_EQ(StatusLine(answer), "HTTP/1.1 200 OK");
    EXPECT_NE(answer.find("Content-Length: 21\r\n"), std::string::npos);
    EXPECT_EQ(answer.substr(answer.find("\r\n\r\n") + 4), "");
}

TEST_F(Listening, RefusesMalformedRequestsAndGoesOnServing) {
    EXPECT_EQ(StatusLine(Exchange(m_port, "garbage\r\n\r\n")), "HTTP/1.1 400 Bad Request");
    EXPECT_EQ(StatusLine(Exchange(m_port, std::string("\x00\xFF\x16\x03\x01 \r\n\r\n", 10))),
              "HTTP/1.1 400 Bad Request");
    EXPECT_EQ(StatusLine(Exchange(m_port,
                                  "POST /asp/date.asp HTTP/1.1\r\nContent-Length: 5\r\n"
                                  "\r\nhello")),
              "HTTP/1.1 405 Method Not Allowed");
    EXPECT_EQ(StatusLine(Exchange(m_port, "GET /asp/date.asp HTTP/1.1\r\nX: " +
                                              std::string(kMaxHeadSize, 'x') + "\r\n\r\n")),
              "HTTP/1.1 431 Request Header Fields Too Large");
    EXPECT_EQ(Exchange(m_port, ""), "");
    EXPECT_EQ(StatusLine(Exchange(m_port, "GET /nowhere HTTP/1.1\r\n\r\n")),
              "HTTP/1.1 404 Not Found");
    EXPECT_EQ(StatusLine(Exchange(m_port, "GET /asp/date.asp HTTP/1.1\r\n\r\n")),
              "HTTP/1.1 200 OK");
}

TEST_F(Listening, ServesSeveralClientsAtOnce) {
    std::atomic<int> answered = 0;
    std::vector<std::thread> clients;
    for (int c = 0; c < 8; ++c) {
        clients.emplace_back([&, c] {
            for (int i = 0; i < 10; ++i) {
                const std::string target =
                    i % 2 == 0 ? "/asp/date.asp"
                               : "/asp/getData.asp?data=" + std::to_string(c * 100 + i);
                const std::string answer = Exchange(m_port, "GET " + target + " HTTP/1.1\r\n\r\n");
                answered += StatusLine(answer) == "HTTP/1.1 200 OK" ? 1 : 0;
            }
        });
    }
    for (std::thread& client : clients) {
        client.join();
    }
    EXPECT_EQ(answered, 80);
}

// With no descriptor left a new connection waits in the backlog; the
// server waits too, rather than asking for it again and again at full
// speed, and answers it once descriptors are free.
TEST_F(Listening, WaitsQuietlyWhileNoDescriptorIsLeft) {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers' checks of the server's objects need descriptors of
    // their own, so with none left they report every virtual call.
    GTEST_SKIP() << "not with the sanitizers";
#endif
    const int client = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(client, 0);
    const int port = m_port;
    clockid_t listenerClock{};
    ASSERT_EQ(pthread_getcpuclockid(m_serving.native_handle(), &listenerClock), 0);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowest = open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lowest, 0);
    std::vector<int> filler{lowest};
    rlimit low = saved;
    low.rlim_cur = static_cast<rlim_t>(lowest) + 1;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
    for (int more; (more = dup(lowest)) >= 0;) {
        filler.push_back(more);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected =
        connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;

    const auto cpuTime = [&] {
        timespec now{};
        clock_gettime(listenerClock, &now);
        return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    };
    const auto before = cpuTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const auto used = cpuTime() - before;

    for (const int file : filler) {
        close(file);
    }
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &saved), 0);
    ASSERT_TRUE(connected);
    EXPECT_LT(used, std::chrono::milliseconds(50)) << "the listener spun";
    const std::string_view request = "GET /asp/date.asp HTTP/1.1\r\n\r\n";
    static_cast<void>(send(client, request.data(), request.size(), MSG_NOSIGNAL));
    const timeval limit{10, 0};
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    EXPECT_EQ(StatusLine(testing::ReadToEnd(client)), "HTTP/1.1 200 OK");
    close(client);
}

// Fewer workers than the slow clients below.
class ListeningWithFewWorkers : public Listening {
protected:
    ListeningWithFewWorkers() : Listening(ConnectionLimits{.workers = 4}) {}
};

// Slow clients each hold a connection while they trickle their heads in,
// more of them than the server has workers. They must neither keep the
// server from answering others nor stay for ever, and one address cannot
// take more than its share.
TEST_F(ListeningWithFewWorkers, KeepsAnsweringWhileDozensOfSlowClientsHangOn) {
    using Clock = std::chrono::steady_clock;
    constexpr int kSlowClients = 50;
    constexpr int kPerAddress = ConnectionLimits{}.perAddress;
    struct Slow {
        int socket = -1;
        Clock::time_point connected;
        std::optional<Clock::time_point> closed;
    };
    std::vector<Slow> slow(kSlowClients);
    for (int i = 0; i < kSlowClients; ++i) {
        // The first address brings all the connections it may have.
        const int machine = i < kPerAddress ? 2 : 3 + i % 10;
        const std::string from = "127.0.0." + std::to_string(machine);
        slow[i].socket = testing::ConnectFrom(m_port, from.c_str());
        ASSERT_GE(slow[i].socket, 0) << from;
        slow[i].connected = Clock::now();
    }
    // Each sends a byte of its request line every 1.5 seconds until the
    // server hangs up; the whole lot gives up after 20 seconds.
    std::atomic<bool> stop = false;
    std::thread trickle([&] {
        const std::string_view line = "GET /asp/date.asp HTTP/1.1\r\n";
        const auto giveUp = Clock::now() + std::chrono::seconds(20);
        std::size_t sent = 0;
        auto nextByte = Clock::now();
        int open = kSlowClients;
        while (open > 0 && !stop && Clock::now() < giveUp) {
            if (Clock::now() >= nextByte) {
                for (Slow& client : slow) {
                    if (!client.closed) {
                        static_cast<void>(send(client.socket, &line[sent % line.size()], 1,
                                               MSG_NOSIGNAL | MSG_DONTWAIT));
                    }
                }
                ++sent;
                nextByte += std::chrono::milliseconds(1500);
            }
            for (Slow& client : slow) {
                char block[512];
                if (!client.closed && recv(client.socket, block, sizeof block, MSG_DONTWAIT) == 0) {
                    client.closed = Clock::now();
                    --open;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const std::string extra =
        testing::Exchange(m_port, "GET /asp/date.asp HTTP/1.1\r\n\r\n", "127.0.0.2");
    EXPECT_EQ(StatusLine(extra), "HTTP/1.1 503 Service Unavailable");
    for (int request = 0; request < 5; ++request) {
        const auto asked = Clock::now();
        const std::string answer = Exchange(m_port, "GET /asp/date.asp HTTP/1.1\r\n\r\n");
        EXPECT_EQ(StatusLine(answer), "HTTP/1.1 200 OK");
        EXPECT_LT(Clock::now() - asked, std::chrono::seconds(1)) << "request " << request;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    int stillOpen = 0;
    for (const Slow& client : slow) {
        stillOpen += client.closed ? 0 : 1;
    }
    EXPECT_EQ(stillOpen, kSlowClients) << "slow clients were cut off before the others were served";

    trickle.join();
    stop = true;
    for (const Slow& client : slow) {
        ASSERT_TRUE(client.closed) << "a slow client kept its connection for 20 seconds";
        EXPECT_LT(*client.closed - client.connected, std::chrono::seconds(15));
        close(client.socket);
    }
}

TEST(Program, ServesTheDatabaseAndStopsCleanlyOnSigterm) {
    testing::TempFolder folder;
    const std::string db = folder.Path("defs.sqlite");
    {
        Checked<ChangeLog> log = ChangeLog::Open(db, Database::Opening::CreateIfMissing);
        ASSERT_TRUE(log);
        ASSERT_TRUE(log->Append({*MakeAddition("COOK", "a.example")}, kDec1, kDec1));
    }
    ServerProgram server({"--db", db, "--port", "0"});
    const std::string log = server.ReadLogUntil("/ (newest");
    const std::size_t at = log.find("http://127.0.0.1:");
    ASSERT_NE(at, std::string::npos) << log;
    const int port = std::stoi(log.substr(at + 17));

    httplib::Client client("127.0.0.1", port);
    const httplib::Result date = client.Get("/asp/currentDateNEW.asp?prog=K&comp=K");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->body, "12/1/2026 12:00:00 AM");
    EXPECT_NE(server.ReadLogUntil("currentDateNEW").find("GET /asp/currentDateNEW.asp"),
              std::string::npos);

    server.Signal(SIGTERM);
    EXPECT_EQ(server.Wait(), 0);
    EXPECT_NE(server.ReadLogUntil("stopped").find("stopped by signal"), std::string::npos);
}

TEST(Program, RefusesToServeADatabaseThatIsNotThere) {
    testing::TempFolder folder;
    ServerProgram server({"--db", folder.Path("none.sqlite"), "--port", "0"});
    EXPECT_EQ(server.Wait(), 1);
    EXPECT_NE(server.ReadLogUntil("init").find("no database"), std::string::npos);
}

}  // namespace
}  // namespace defserver

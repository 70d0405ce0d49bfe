// The deployment of the reference server as shipped: nginx with its
// configuration in front of two defserver processes on one database, all on
// loopback, nginx with a prefix and a certificate of the test's own.

#include <httplib.h>
#include <pwd.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <thread>

#include "answer_signing.h"
#include "change_log.h"
#include "definitions/line_code.h"
#include "loopback_client.h"
#include "server_program.h"
#include "temp_folder.h"

namespace defserver {
namespace {

using testing::ChildProgram;
using testing::ServerProgram;

constexpr UnixSeconds kDec1 = 1796083200;
constexpr const char* kNginx = "/usr/sbin/nginx";

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

int FreePort() {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    close(socket);
    return ntohs(address.sin_port);
}

// Replaces text that the shipped file must hold; a file that no longer
// holds it fails the test rather than testing something else.
void Replace(std::string& text, std::string_view from, const std::string& to) {
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

int CountOf(std::string_view text, std::string_view part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(Deployment, TheCacheAnswersMostProgramsAndANewChangeIsServedAtOnce) {
    struct stat status {};
    ASSERT_EQ(stat(kNginx, &status), 0) << "nginx is missing: scripts/install-deps.sh test";
    testing::TempFolder folder;
    const std::string db = folder.Path("defs.sqlite");
    {
        Checked<ChangeLog> log = ChangeLog::Open(db, Database::Opening::CreateIfMissing);
        ASSERT_TRUE(log);
        ASSERT_TRUE(log->Append({*MakeAddition("COOK", "a.example")}, kDec1, kDec1));
    }
    ASSERT_TRUE(GenerateKeyPair(folder.Path("keys")));
    const std::vector<std::string> serving{"--db",
                                           db,
                                           "--port",
                                           "0",
                                           "--behind-proxy",
                                           "--signing-key",
                                           folder.Path("keys/publisher.key")};
    ServerProgram first(serving);
    ServerProgram second(serving);
    const int firstPort = first.Port();
    const int secondPort = second.Port();
    ASSERT_GT(firstPort, 0);
    ASSERT_GT(secondPort, 0);

    // A certificate for this test alone.
    const std::string cert = folder.Path("cert.pem");
    const std::string key = folder.Path("key.pem");
    {
        ChildProgram openssl(
            "/usr/bin/openssl",
            {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
             "-keyout", key, "-out", cert, "-days", "2", "-subj", "/CN=localhost", "-addext",
             "subjectAltName=DNS:localhost,IP:127.0.0.1"});
        ASSERT_EQ(openssl.Wait(), 0) << openssl.ReadLogUntil("", std::chrono::milliseconds(0));
    }

    const int httpPort = FreePort();
    const int httpsPort = FreePort();
    std::string site = ReadFile(NGINX_SITE);
    Replace(site, "server 127.0.0.1:8081;", "server 127.0.0.1:" + std::to_string(firstPort) + ";");
    Replace(site, "server 127.0.0.1:8082;", "server 127.0.0.1:" + std::to_string(secondPort) + ";");
    Replace(site, "listen 80;", "listen 127.0.0.1:" + std::to_string(httpPort) + ";");
    Replace(site, "listen 443 ssl;", "listen 127.0.0.1:" + std::to_string(httpsPort) + " ssl;");
    Replace(site, "/etc/ssl/defserver/fullchain.pem", cert);
    Replace(site, "/etc/ssl/defserver/privkey.pem", key);
    Replace(site, "/var/cache/nginx/defserver", folder.Path("cache"));
    folder.Write("site.conf", site);
    const std::string prefix = folder.Path("");
    // The workers run as this user (nginx ignores it unless it runs as root)
    // so that they may use the test's folder.
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    folder.Write("nginx.conf", "daemon off;\nuser " + std::string(user->pw_name) +
                                   ";\nworker_processes 1;\npid " + prefix +
                                   "nginx.pid;\nerror_log " + prefix +
                                   "error.log;\nevents {}\nhttp {\naccess_log off;\n"
                                   "client_body_temp_path " +
                                   prefix +
                                   "body;\n"
                                   "proxy_temp_path " +
                                   prefix +
                                   "proxy;\n"
                                   "fastcgi_temp_path " +
                                   prefix +
                                   "fastcgi;\n"
                                   "uwsgi_temp_path " +
                                   prefix +
                                   "uwsgi;\n"
                                   "scgi_temp_path " +
                                   prefix +
                                   "scgi;\n"
                                   "include " +
                                   prefix + "site.conf;\n}\n");
    ChildProgram nginx(
        kNginx, {"-p", prefix, "-c", folder.Path("nginx.conf"), "-e", folder.Path("error.log")});
    std::string ready;
    for (int tries = 0; tries < 100 && testing::StatusLine(ready) != "HTTP/1.1 200 OK"; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ready = testing::Exchange(httpPort, "GET /asp/date.asp HTTP/1.1\r\nHost: x\r\n\r\n");
    }
    ASSERT_EQ(testing::StatusLine(ready), "HTTP/1.1 200 OK") << ReadFile(folder.Path("error.log"));

    // Fifty programs, each on an address of its own, ask twenty times for
    // what came after the date they all hold.
    const std::string request =
        "GET /asp/getDefsNEW.asp?prog=Keelwatch&comp=Keelwatch%20Software&date=3/16/2006 "
        "HTTP/1.1\r\nHost: definitions\r\nConnection: close\r\n\r\n";
    const std::string expected = std::string(testing::BodyOf(testing::Exchange(httpPort, request)));
    ASSERT_NE(expected.find(definitions::EncodeDefinitionLine("SIG") + "|SIG[DEF]1|"),
              std::string::npos)
        << expected;
    std::atomic<int> same = 0;
    std::vector<std::thread> programs;
    for (int p = 0; p < 50; ++p) {
        programs.emplace_back([&, p] {
            const std::string from = "127.0.1." + std::to_string(p + 1);
            for (int i = 0; i < 20; ++i) {
                const std::string answer = testing::Exchange(httpPort, request, from.c_str());
                same += testing::StatusLine(answer) == "HTTP/1.1 200 OK" &&
                                testing::BodyOf(answer) == expected
                            ? 1
                            : 0;
            }
        });
    }
    for (std::thread& program : programs) {
        program.join();
    }
    EXPECT_EQ(same, 1000);
    const std::chrono::milliseconds quiet(300);
    const int reached = CountOf(first.ReadLogUntil("\n-never-\n", quiet), "getDefsNEW") +
                        CountOf(second.ReadLogUntil("\n-never-\n", quiet), "getDefsNEW");
    EXPECT_GE(reached, 1);
    EXPECT_LE(reached, 12) << "the cache let most requests through";

    // Another program, another parameter, another letter case of the path,
    // or the date written in another form: one copy serves them all, and
    // the servers make no answer for them.
    const auto answersMade = [&] {
        return CountOf(first.ReadLogUntil("\n-never-\n", quiet), "(changes after") +
               CountOf(second.ReadLogUntil("\n-never-\n", quiet), "(changes after");
    };
    const int madeBefore = answersMade();
    const std::string_view variants[] = {
        "/asp/getDefsNEW.asp?prog=Other&comp=Other&date=3/16/2006",
        "/asp/getDefsNEW.asp?prog=Keelwatch&comp=Keelwatch%20Software&date=3/16/2006&x=1",
        "/ASP/GETDEFSNEW.ASP?prog=Keelwatch&comp=Keelwatch%20Software&date=3/16/2006",
        "/asp/getDefsNEW.asp?prog=K&comp=K&date=3%2F16%2F2006",
        "/asp/getDefsNEW.asp?date=3/16/2006%2012:00:00%20AM",
        "/asp/getDefsNEW.asp?date=2006-03-16",
        "/asp/getDefsNEW.asp?DATE=03/16/2006&prog=x",
    };
    int variant = 0;
    for (const std::string_view target : variants) {
        const std::string from = "127.0.2." + std::to_string(++variant);
        const auto get = [&](std::string_view path) {
            return testing::Exchange(httpPort,
                                     "GET " + std::string(path) +
                                         " HTTP/1.1\r\nHost: definitions\r\nConnection: "
                                         "close\r\n\r\n",
                                     from.c_str());
        };
        std::string answer = get(target);
        if (testing::StatusLine(answer) == "HTTP/1.1 302 Found") {
            const std::size_t at = answer.find("\r\nLocation: ");
            ASSERT_NE(at, std::string::npos) << answer;
            answer = get(answer.substr(at + 12, answer.find("\r\n", at + 2) - at - 12));
        }
        EXPECT_EQ(testing::StatusLine(answer), "HTTP/1.1 200 OK") << target;
        EXPECT_EQ(testing::BodyOf(answer), expected) << target;
    }
    EXPECT_LE(answersMade() - madeBefore, 1) << "the cache was bypassed";

    // One address asking over and over is held back, cache or not.
    int heldBack = 0;
    for (int i = 0; i < 40; ++i) {
        heldBack += testing::StatusLine(testing::Exchange(httpPort, request, "127.0.3.1")) ==
                            "HTTP/1.1 429 Too Many Requests"
                        ? 1
                        : 0;
    }
    EXPECT_GE(heldBack, 10);

    // Nothing here takes a body: a large one is refused before it is read.
    const std::string upload = testing::Exchange(
        httpPort,
        "POST /asp/getData.asp?data=x HTTP/1.1\r\nHost: definitions\r\nContent-Length: "
        "104857600\r\nConnection: close\r\n\r\n",
        "127.0.4.1");
    EXPECT_EQ(testing::StatusLine(upload), "HTTP/1.1 413 Request Entity Too Large");

    // A change published now: the date says so at once, over TLS with the
    // certificate checked, and the changes follow within the cache's second.
    {
        Checked<ChangeLog> log = ChangeLog::Open(db, Database::Opening::ExistingOnly);
        ASSERT_TRUE(log);
        ASSERT_TRUE(log->Append({*MakeAddition("COOK", "b.example")}, kDec1 + 60, kDec1 + 60));
    }
    const auto published = std::chrono::steady_clock::now();
    httplib::SSLClient secure("127.0.0.1", httpsPort);
    secure.set_ca_cert_path(cert.c_str());
    secure.enable_server_certificate_verification(true);
    const httplib::Result date = secure.Get("/asp/currentDateNEW.asp?prog=K&comp=K");
    ASSERT_TRUE(date) << httplib::to_string(date.error());
    EXPECT_EQ(date->body, "12/1/2026 12:01:00 AM");
    const std::string newChange = definitions::EncodeDefinitionLine("b.example");
    std::string changes;
    while (changes.find(newChange) == std::string::npos &&
           std::chrono::steady_clock::now() - published < std::chrono::seconds(5)) {
        const httplib::Result answer = secure.Get(
            "/asp/getDefsNEW.asp?prog=Keelwatch&comp=Keelwatch%20Software&date=3/16/2006");
        ASSERT_TRUE(answer);
        changes = answer->body;
        if (changes.find(newChange) == std::string::npos) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    EXPECT_NE(changes.find(newChange), std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - published, std::chrono::milliseconds(2500));

    nginx.Signal(SIGTERM);
    EXPECT_EQ(nginx.Wait(), 0);
}

}  // namespace
}  // namespace defserver

// Live Update through the real adapters against the reference definitions
// server on loopback: a first update into an empty data folder, a second one
// with additions and deletions, a man in the middle, HTTPS with certificates
// that must be refused or accepted, a server that cannot be reached and one
// that answers with an error page.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "app/program.h"
#include "core/application.h"
#include "definitions/line_code.h"
#include "defserver_urls.h"
#include "i18n/languages.h"
#include "loopback_proxy.h"
#include "loopback_server.h"
#include "platform/win32/http_win32.h"
#include "platform/win32/platform_win32.h"
#include "temp_folder.h"
#include "test_programs.h"
#include "trusted_authority.h"
#include "update/definition_update.h"
#include "update/live_update.h"

namespace {

constexpr char kProduct[] = "Update Test Product";
constexpr char kSettingsKey[] = "Software\\Anti-Spyware Settings\\Update Test Product";

using win32_tests::ServerUrl;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The decoded lines of a definition file.
std::vector<std::string> Definitions(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(definitions::DecodeDefinitionLine(line));
        }
    }
    return lines;
}

bool Holds(const std::vector<std::string>& lines, std::string_view line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class UpdateWin32 : public ::testing::Test {
protected:
    UpdateWin32() {
        app::AttachProgram(app);
        Configure(app);
    }

    void Configure(core::Application& program) {
        program.branding.ProgramName = kProduct;
        program.branding.CompanyName = "Update Test Company";
        program.DataFolder = data.Path();
        // The key of the fixture's servers, whatever key this build carries.
        program.PublisherKey = win32_tests::FixtureKey();
        // The built-in texts, so that one notice is not taken for another.
        auto catalogue = std::make_unique<i18n::clsLanguages>(
            program.ports.fileSystem, program.ports.textCodec, data.Path(), program.branding, "");
        i18n::LoadBuiltInMessages(*catalogue);
        program.Catalogue = std::move(catalogue);
    }
    ~UpdateWin32() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey); }

    void UseServer(const std::string& url) {
        app.WriteUserSetting("Settings", "DefinitionServer", url);
    }

    std::string DataFile(std::string_view name) { return data / name; }

    // Every definition file and the date, by name.
    std::map<std::string, std::string> DataFiles() {
        std::map<std::string, std::string> content;
        for (const char* name :
             {"FileDefinition.dat", "ExeDefinition.dat", "RegistryDefinition.dat",
              "BlockedCookies.dat", "DirectoryDefinition.dat", "Safety.dat", "date.dat"}) {
            content[name] = ReadFile(DataFile(name));
        }
        return content;
    }

    win32_tests::TempFolder data;
    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
};

TEST_F(UpdateWin32, AFirstUpdateFillsAnEmptyDataFolderAndASecondBringsTheChanges) {
    const std::string first = ServerUrl("first");
    const std::string second = ServerUrl("second");
    ASSERT_FALSE(first.empty() || second.empty()) << "the fixture's servers are not running";

    UseServer(first);
    EXPECT_GT(update::RunDefinitionUpdate(app).changeCount, 40);
    EXPECT_EQ(ReadFile(DataFile("date.dat")), "12/1/2026\r\n");
    const std::vector<std::string> files = Definitions(DataFile("FileDefinition.dat"));
    EXPECT_TRUE(Holds(files, "pixelpal.cfg=Demo.Tracker.Pixelpal|[appdata]PixelpalDemo|Tracker"));
    EXPECT_TRUE(Holds(Definitions(DataFile("BlockedCookies.dat")), "pixelpal-demo.example"));
    EXPECT_FALSE(Definitions(DataFile("RegistryDefinition.dat")).empty());
    EXPECT_FALSE(Definitions(DataFile("ExeDefinition.dat")).empty());
    const std::size_t fileLines = files.size();

    UseServer(second);
    EXPECT_EQ(update::RunDefinitionUpdate(app).changeCount, 4)
        << "two additions and two deletion passes";
    EXPECT_EQ(ReadFile(DataFile("date.dat")), "12/2/2026 8:00:03 AM\r\n");
    const std::vector<std::string> updated = Definitions(DataFile("FileDefinition.dat"));
    EXPECT_TRUE(Holds(updated, "fresh_helper.dll=Demo.Adware.Fresh|[progfil]FreshDemo|Adware"));
    EXPECT_FALSE(
        Holds(updated, "pixelpal.cfg=Demo.Tracker.Pixelpal|[appdata]PixelpalDemo|Tracker"));
    EXPECT_EQ(updated.size(), fileLines);
    EXPECT_TRUE(Holds(Definitions(DataFile("RegistryDefinition.dat")),
                      "1^Software\\FreshDemo^=Demo.Adware.Fresh|Adware"));
    EXPECT_FALSE(Holds(Definitions(DataFile("BlockedCookies.dat")), "pixelpal-demo.example"));
    EXPECT_FALSE(::PathFileExistsA(DataFile("temp.dat").c_str()));

    EXPECT_EQ(update::RunDefinitionUpdate(app).changeCount, 0) << "nothing newer the third time";
}

TEST_F(UpdateWin32, AManInTheMiddleChangesNothingAndTheNextHonestUpdateCompletes) {
    const std::string first = ServerUrl("first");
    const std::string second = ServerUrl("second");
    ASSERT_FALSE(first.empty() || second.empty()) << "the fixture's servers are not running";
    if (!app.PublisherKey) {
        GTEST_SKIP() << "the fixture's servers do not sign (a defserver without --signing-key)";
    }
    const auto isChanges = [](std::string_view path) {
        return path.find("/asp/getDefsNEW.asp") != std::string_view::npos;
    };
    // The first update, through a proxy that keeps a copy of the changes: an
    // answer genuinely signed, but for another date.
    std::string older;
    {
        win32_tests::LoopbackProxy keeper(win32_tests::PortOf(first),
                                          [&](std::string_view path, std::string body) {
                                              if (isChanges(path)) {
                                                  older = body;
                                              }
                                              return body;
                                          });
        UseServer(keeper.Url());
        ASSERT_GT(update::RunDefinitionUpdate(app).changeCount, 40);
    }
    ASSERT_FALSE(older.empty());
    const std::map<std::string, std::string> before = DataFiles();

    struct Attack {
        const char* what;
        std::function<std::string(std::string)> alter;
    };
    const Attack attacks[] = {
        {"a byte altered",
         [](std::string body) {
             body[body.size() / 3] ^= 0x01;
             return body;
         }},
        {"the tail dropped",
         [](std::string body) {
             return body.substr(0, body.size() / 2);
         }},
        {"the signature dropped",
         [](std::string body) {
             return body.substr(0, body.rfind("[BR]"));
         }},
        {"an older answer replayed",
         [&](std::string) {
             return older;
         }},
    };
    app.frmMain.chkAutoProtect->SetValue(1);
    for (const Attack& attack : attacks) {
        win32_tests::LoopbackProxy proxy(
            win32_tests::PortOf(second), [&](std::string_view path, std::string body) {
                return isChanges(path) ? attack.alter(std::move(body)) : body;
            });
        UseServer(proxy.Url());
        update::cmdUpdate_Click(app);
        EXPECT_EQ(app.frmSignatureUpdated.lblUpdateInfo->Caption(),
                  app.Message("MSG_UPDATE_NOT_VERIFIED"))
            << attack.what;
        EXPECT_TRUE(DataFiles() == before)
            << attack.what << ": a definition file or the date changed";
        EXPECT_TRUE(app.frmMain.tmrMemoryInspected->Enabled()) << attack.what;
        EXPECT_FALSE(::PathFileExistsA(DataFile("temp.dat").c_str())) << attack.what;
    }

    UseServer(second);
    EXPECT_EQ(update::RunDefinitionUpdate(app).changeCount, 4);
    EXPECT_EQ(ReadFile(DataFile("date.dat")), "12/2/2026 8:00:03 AM\r\n");
}

// The authority that issued the fixture's TLS certificates; see tls_front.sh.
std::string FixtureAuthority() {
    return win32_tests::WindowsPath(DEFSERVER_FIXTURE_DIR) + "\\tls\\authority.der";
}

// The whole body of a GET, or nullopt when nothing came.
std::optional<std::string> Fetch(const std::string& url) {
    platform::win32::HttpWin32 http(std::chrono::seconds(5));
    const std::unique_ptr<platform::HttpResponse> response = http.Get(url);
    if (!response) {
        return std::nullopt;
    }
    std::string body;
    while (const std::optional<std::string> block = response->Read(4096)) {
        if (block->empty()) {
            return body;
        }
        body += *block;
    }
    return std::nullopt;
}

TEST_F(UpdateWin32, AnHttpsServerWhoseCertificateFailsItsCheckChangesNothing) {
    const std::string first = ServerUrl("first");
    ASSERT_FALSE(first.empty()) << "the fixture's servers are not running";
    UseServer(first);
    ASSERT_GT(update::RunDefinitionUpdate(app).changeCount, 40);
    const std::map<std::string, std::string> before = DataFiles();
    // With the authority trusted, a name or a date is all that fails.
    const win32_tests::TrustedAuthority authority(FixtureAuthority());
    ASSERT_TRUE(authority.Trusted());

    app.frmMain.chkAutoProtect->SetValue(1);
    for (const char* refused : {"untrusted", "wrong-name", "expired"}) {
        const std::string url = ServerUrl(std::string("second-tls-") + refused);
        ASSERT_FALSE(url.empty())
            << "no TLS server: nginx is missing (scripts/install-deps.sh test)";
        EXPECT_EQ(Fetch(url + "/asp/date.asp"), std::nullopt) << refused;
        UseServer(url);
        update::cmdUpdate_Click(app);
        // Told that the connection was not safe, not that all is up to date.
        EXPECT_EQ(app.frmSignatureUpdated.lblUpdateInfo->Caption(),
                  app.Message("MSG_SERVER_NOT_TRUSTED"))
            << refused;
        EXPECT_TRUE(DataFiles() == before) << refused << ": a definition file or the date changed";
        EXPECT_TRUE(app.frmMain.tmrMemoryInspected->Enabled()) << refused;
        EXPECT_FALSE(::PathFileExistsA(DataFile("temp.dat").c_str())) << refused;
    }
}

TEST_F(UpdateWin32, OverHttpsWithATrustedCertificateTheSignedUpdateCompletes) {
    const std::string first = ServerUrl("first");
    const std::string secure = ServerUrl("second-tls-trusted");
    ASSERT_FALSE(first.empty()) << "the fixture's servers are not running";
    ASSERT_FALSE(secure.empty())
        << "no TLS server: nginx is missing (scripts/install-deps.sh test)";
    ASSERT_TRUE(app.PublisherKey) << "the fixture's servers do not sign";
    UseServer(first);
    ASSERT_GT(update::RunDefinitionUpdate(app).changeCount, 40);
    const std::map<std::string, std::string> before = DataFiles();

    const win32_tests::TrustedAuthority authority(FixtureAuthority());
    ASSERT_TRUE(authority.Trusted());
    EXPECT_EQ(Fetch(secure + "/asp/date.asp"), "12/2/2026 8:00:03 AM");

    // The signature is checked over TLS too: under another key nothing changes.
    const std::optional<platform::P256PublicKey> key = app.PublisherKey;
    app.PublisherKey->back() ^= 0x01;
    UseServer(secure);
    update::cmdUpdate_Click(app);
    EXPECT_EQ(app.frmSignatureUpdated.lblUpdateInfo->Caption(),
              app.Message("MSG_UPDATE_NOT_VERIFIED"));
    EXPECT_TRUE(DataFiles() == before);

    app.PublisherKey = key;
    EXPECT_EQ(update::RunDefinitionUpdate(app).changeCount, 4);
    EXPECT_EQ(ReadFile(DataFile("date.dat")), "12/2/2026 8:00:03 AM\r\n");
    EXPECT_TRUE(Holds(Definitions(DataFile("FileDefinition.dat")),
                      "fresh_helper.dll=Demo.Adware.Fresh|[progfil]FreshDemo|Adware"));
}

TEST_F(UpdateWin32, AnUnreachableServerEndsAsUpToDateWithTheTimersRunning) {
    {
        // A port that was just free: nothing listens there.
        win32_tests::LoopbackServer closed;
        UseServer(closed.Url(""));
    }
    app.frmMain.chkAutoProtect->SetValue(1);
    app.frmMain.chkHomePage->SetValue(1);
    update::cmdUpdate_Click(app);
    EXPECT_EQ(app.frmSignatureUpdated.lblUpdateInfo->Caption(), app.Message("MSG_RECENT_DEFS"));
    EXPECT_TRUE(app.frmMain.tmrMemoryInspected->Enabled());
    EXPECT_TRUE(app.frmMain.tmrCheckHomePage->Enabled());
    EXPECT_FALSE(::PathFileExistsA(DataFile("date.dat").c_str()));
}

// The program's ports with another HTTP adapter.
platform::Platform WithHttp(const platform::Platform& p, platform::Http& http) {
    return {p.registry,   p.shellFolders, p.fileSystem,    p.programFile,       p.osVersion,
            p.shell,      p.dialogs,      p.clock,         p.eventLoop,         p.textCodec,
            p.notifyIcon, p.processes,    p.clipboard,     p.systemRestore,     http,
            p.desktop,    p.management,   p.localeFormats, p.signatureVerifier, p.deviceManagement,
            p.hashing,    p.fileOrigin,   p.environment,   p.services,          p.scheduledTasks,
            p.elevation};
}

// After the server said it has newer definitions, a changes answer that
// fails (a cache's error page, a trickle, a body without end) changes
// nothing and says so, and the shields' timers run again; the next update
// from the real server completes.
TEST_F(UpdateWin32, AChangesAnswerThatFailsIsReportedAsNotCompletedAndChangesNothing) {
    const std::string second = ServerUrl("second");
    ASSERT_FALSE(second.empty()) << "the fixture's servers are not running";
    // Bounds far below the program's own, so that the test stays short.
    constexpr std::chrono::milliseconds kDeadline = std::chrono::seconds(3);
    platform::win32::HttpWin32 bounded(std::chrono::seconds(2), kDeadline, 256 * 1024);
    platform::Platform ports = WithHttp(platform.Ports(), bounded);
    core::Application program{ports};
    app::AttachProgram(program);
    Configure(program);
    std::ofstream(DataFile("date.dat"), std::ios::binary) << "12/1/2026\r\n";
    std::ofstream(DataFile("FileDefinition.dat"), std::ios::binary)
        << definitions::EncodeDefinitionLine("keep.dll=T|x") << "\r\n";
    const std::map<std::string, std::string> before = DataFiles();

    const std::string newer = win32_tests::Response("200 OK", "12/9/2026 1:00:00 PM");
    const std::string endlessHead = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
    const std::string record = definitions::EncodeDefinitionLine("FILE") + "|ADD[DEF]" +
                               definitions::EncodeDefinitionLine("more.dll") + "=T|x[BR]";
    std::string records;
    for (int i = 0; i < 128; ++i) {
        records += record;
    }
    struct Failure {
        const char* what;
        std::function<void(win32_tests::LoopbackServer&)> answer;
    };
    const Failure failures[] = {
        {"a 503 of the cache in front",
         [](win32_tests::LoopbackServer& server) {
             server.Answer(win32_tests::Response("503 Service Unavailable",
                                                 "<html>503 Service Unavailable</html>"));
         }},
        {"a record every 200 ms",
         [&](win32_tests::LoopbackServer& server) {
             server.AnswerEndlessly(endlessHead, record, std::chrono::milliseconds(200));
         }},
        {"records without end",
         [&](win32_tests::LoopbackServer& server) {
             server.AnswerEndlessly(endlessHead, records, std::chrono::milliseconds(0));
         }},
    };
    for (const Failure& failure : failures) {
        win32_tests::LoopbackServer server;
        server.Answer(newer);
        failure.answer(server);
        program.WriteUserSetting("Settings", "DefinitionServer", server.Url(""));
        program.frmMain.chkAutoProtect->SetValue(1);
        program.frmMain.chkHomePage->SetValue(1);
        const auto start = std::chrono::steady_clock::now();
        update::cmdUpdate_Click(program);
        EXPECT_LT(std::chrono::steady_clock::now() - start, kDeadline + std::chrono::seconds(20))
            << failure.what;
        EXPECT_EQ(program.frmSignatureUpdated.lblUpdateInfo->Caption(),
                  program.Message("MSG_UPDATE_INCOMPLETE"))
            << failure.what;
        EXPECT_FALSE(program.frmSignatureUpdated.lblUpdateInfo->Caption().empty());
        EXPECT_TRUE(DataFiles() == before) << failure.what << ": a definition file or the date";
        EXPECT_TRUE(program.frmMain.tmrMemoryInspected->Enabled()) << failure.what;
        EXPECT_TRUE(program.frmMain.tmrCheckHomePage->Enabled()) << failure.what;
        EXPECT_EQ(server.Requests().size(), 2u) << failure.what << ": no end date asked for";
    }

    program.WriteUserSetting("Settings", "DefinitionServer", second);
    EXPECT_EQ(update::RunDefinitionUpdate(program).changeCount, 4);
    EXPECT_EQ(ReadFile(DataFile("date.dat")), "12/2/2026 8:00:03 AM\r\n");
    EXPECT_TRUE(Holds(Definitions(DataFile("FileDefinition.dat")), "keep.dll=T|x"));
}

TEST_F(UpdateWin32, AnErrorPageChangesNoDefinition) {
    std::ofstream(DataFile("FileDefinition.dat"), std::ios::binary)
        << definitions::EncodeDefinitionLine("keep.dll=T|x") << "\r\n";
    const std::string before = ReadFile(DataFile("FileDefinition.dat"));
    win32_tests::LoopbackServer server;
    // A newer date, and then the error page where the changes should be.
    server.Answer(win32_tests::Response("200 OK", "12/9/2026 1:00:00 PM"));
    server.Answer(win32_tests::Response(
        "500 Internal Server Error",
        "<html><body><h1>Error</h1>[BR] FILE|DEL[DEF]keep.dll [BR]</body></html>"));
    UseServer(server.Url(""));
    const update::DefinitionUpdateResult result = update::RunDefinitionUpdate(app);
    EXPECT_EQ(result.changeCount, 0);
    EXPECT_TRUE(result.incomplete);
    EXPECT_FALSE(result.unverified);
    EXPECT_EQ(ReadFile(DataFile("FileDefinition.dat")), before);
    EXPECT_FALSE(::PathFileExistsA(DataFile("date.dat").c_str()));
}

}  // namespace

TEST_F(UpdateWin32, AnAnswerCutShortOfItsLengthChangesNoDefinition) {
    std::ofstream(DataFile("FileDefinition.dat"), std::ios::binary)
        << definitions::EncodeDefinitionLine("keep.dll=T|x") << "\r\n";
    const std::string before = ReadFile(DataFile("FileDefinition.dat"));
    const auto addition = [](std::string_view plain) {
        std::string body;
        for (const char c : plain) {
            body.push_back(c == '|' || c == '=' ? c : definitions::EncodeDefinitionChar(c));
        }
        return definitions::EncodeDefinitionLine("FILE") + "|ADD[DEF]" + body;
    };
    const std::string changes = addition("first.dll=T|x") + "[BR]" + addition("second.dll=T|x");
    win32_tests::LoopbackServer server;
    server.Answer(win32_tests::Response("200 OK", "12/9/2026 1:00:00 PM"));
    // The whole length promised, the connection closed in the second record.
    server.Answer("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(changes.size()) +
                  "\r\nConnection: close\r\n\r\n" + changes.substr(0, changes.size() - 6));
    server.Answer(win32_tests::Response("200 OK", "12/9/2026 1:00:01 PM"));
    UseServer(server.Url(""));
    EXPECT_EQ(update::RunDefinitionUpdate(app).changeCount, 0);
    EXPECT_EQ(ReadFile(DataFile("FileDefinition.dat")), before);
    EXPECT_FALSE(::PathFileExistsA(DataFile("date.dat").c_str()));
    EXPECT_EQ(server.Requests().size(), 2u) << "no date asked for after a failed transfer";
}

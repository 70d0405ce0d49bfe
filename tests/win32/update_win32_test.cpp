// Live Update through the real adapters against the reference definitions
// server on loopback: a first update into an empty data folder, a second one
// with additions and deletions, a server that cannot be reached and one that
// answers with an error page.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <fstream>
#include <sstream>

#include "core/application.h"
#include "definitions/line_code.h"
#include "defserver_urls.h"
#include "loopback_server.h"
#include "platform/win32/platform_win32.h"
#include "temp_folder.h"
#include "test_programs.h"
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
        app.branding.ProgramName = kProduct;
        app.branding.CompanyName = "Update Test Company";
        app.DataFolder = data.Path();
    }
    ~UpdateWin32() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey); }

    void UseServer(const std::string& url) {
        app.WriteUserSetting("Settings", "DefinitionServer", url);
    }

    std::string DataFile(std::string_view name) { return data / name; }

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
    EXPECT_EQ(update::RunDefinitionUpdate(app).changeCount, 0);
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

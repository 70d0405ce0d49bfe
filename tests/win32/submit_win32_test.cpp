// The data submission through the real adapters: the management service of
// Wine lists the running programs, and the reference server on loopback
// takes the automatic and the manual submission (the fixture reads its
// database back afterwards).

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <fstream>
#include <thread>

#include "app/program.h"
#include "core/application.h"
#include "i18n/languages.h"
#include "platform/win32/management_win32.h"
#include "platform/win32/platform_win32.h"
#include "submit/manual_submission.h"
#include "submit/process_names.h"
#include "test_programs.h"

namespace {

constexpr char kSettingsKey[] = "Software\\Anti-Spyware Settings\\Submit Test Product";

// The name under which this program runs.
std::string OwnName() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ::PathFindFileNameA(path);
}

std::optional<std::vector<std::string>> RunningNames(platform::Management& management) {
    return management.QueryProperty("winmgmts:\\\\localhost", "select * from Win32_Process",
                                    "Name");
}

bool Holds(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The COM state of a thread that has not joined an apartment: joining one
// now is a first join (S_OK), not a repeated one (S_FALSE).
bool ThreadIsOutsideEveryApartment() {
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(result)) {
        ::CoUninitialize();
    }
    return result == S_OK;
}

TEST(ManagementWin32, ListsTheRunningProgramsIncludingThisOne) {
    platform::win32::ManagementWin32 management;
    const std::optional<std::vector<std::string>> names = RunningNames(management);
    ASSERT_TRUE(names);
    EXPECT_TRUE(Holds(*names, OwnName())) << OwnName();
    EXPECT_EQ(std::count(names->begin(), names->end(), ""), 0);
    EXPECT_FALSE(management.QueryProperty("not-a-moniker", "select * from Win32_Process", "Name"));
}

TEST(ManagementWin32, WorksInEveryApartmentAndLeavesTheCallersAsItWas) {
    platform::win32::ManagementWin32 management;
    bool outside = false;
    bool inSingle = false;
    bool inMulti = false;
    bool leftAsItWas = false;
    std::thread([&] {
        outside = RunningNames(management).has_value();
        leftAsItWas = ThreadIsOutsideEveryApartment();
    }).join();
    std::thread([&] {
        if (SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
            inSingle = RunningNames(management).has_value();
            ::CoUninitialize();
        }
    }).join();
    std::thread([&] {
        if (SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
            inMulti = RunningNames(management).has_value();
            ::CoUninitialize();
        }
    }).join();
    EXPECT_TRUE(outside);
    EXPECT_TRUE(leftAsItWas);
    EXPECT_TRUE(inSingle);
    EXPECT_TRUE(inMulti);
}

class SubmitWin32 : public ::testing::Test {
protected:
    SubmitWin32() {
        app::AttachProgram(app);
        app.branding.ProgramName = "Submit Test Product";
        app.branding.CompanyName = "Submit Test Company";
        auto catalogue = std::make_unique<i18n::clsLanguages>(
            platform.Ports().fileSystem, platform.Ports().textCodec, "C:\\", app.branding);
        i18n::LoadBuiltInMessages(*catalogue);
        app.Catalogue = std::move(catalogue);
        std::ifstream in(win32_tests::WindowsPath(DEFSERVER_FIXTURE_DIR) + "\\first.url");
        std::getline(in, server);
        app.WriteUserSetting("Settings", "DataServer", server);
    }
    ~SubmitWin32() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey); }

    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
    std::string server;
};

TEST_F(SubmitWin32, TheRunningProgramsAndAManualNameReachTheServer) {
    ASSERT_FALSE(server.empty()) << "the fixture's server is not running";
    // Stored by the server; the fixture checks its database for this
    // program's name after the test.
    submit::SubmitProcessNames(app);

    app.frmMain.txtFilename->SetText("suspect file.exe");
    app.frmMain.txtFilename->KeyPress(13);
    // The catalogue hands out every text with a capital first letter.
    EXPECT_EQ(app.frmMain.Label26->Caption(), "Results: suspect file.exe Submitted.  Thank you!");
    EXPECT_EQ(app.frmMain.txtFilename->Text(), "");
}

TEST_F(SubmitWin32, AServerThatIsNotThereShowsTheProblemSentence) {
    app.WriteUserSetting("Settings", "DataServer", "http://127.0.0.1:1");
    app.frmMain.txtFilename->SetText("x.exe");
    submit::cmdSubmit_Click(app);
    EXPECT_EQ(app.frmMain.Label26->Caption(),
              "Results: There was a problem submitting x.exe.  Please make sure you are connected "
              "to the internet, or try again later.");
}

}  // namespace

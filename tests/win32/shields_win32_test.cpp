// The two shields through the real adapters and the Win32 view: the browser's
// start page in the real registry, and a running test program put to the
// user, who answers in the alert window while the pass waits.

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "app/program.h"
#include "core/application.h"
#include "core/branding.h"
#include "core/user_settings.h"
#include "definitions/line_code.h"
#include "i18n/languages.h"
#include "platform/win32/event_loop_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "removal/quarantine_index.h"
#include "shields/home_page_shield.h"
#include "shields/memory_shield.h"
#include "test_programs.h"
#include "ui/win32/view.h"

namespace {

using platform::win32::UniqueRegKey;
using win32_tests::RunningProgram;
using win32_tests::WindowsPath;

constexpr char kProduct[] = "Shield Test Product";
constexpr char kStartPageKey[] = "Software\\Microsoft\\Internet Explorer\\Main";

std::string SettingsKey() {
    return std::string(core::kUserSettingsRoot) + "\\" + kProduct;
}

std::string TempFolder() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    return std::string(base) + "shields-" + std::to_string(::GetCurrentProcessId());
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

void SetString(HKEY root, const std::string& path, const char* name, const std::string& text) {
    UniqueRegKey key;
    ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(), nullptr);
    ::RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>(text.size() + 1));
}

struct RawValue {
    DWORD type = REG_NONE;
    std::string data;
};

std::optional<RawValue> ReadValue(const char* path, const char* name) {
    UniqueRegKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    RawValue value;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), name, nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.data.resize(size);
    ::RegQueryValueExA(key.Get(), name, nullptr, &value.type,
                       reinterpret_cast<BYTE*>(value.data.data()), &size);
    value.data.resize(size);
    return value;
}

class ShieldsWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        m_savedStartPage = ReadValue(kStartPageKey, "Start Page");
        ::SHDeleteKeyA(HKEY_CURRENT_USER, SettingsKey().c_str());
        ::CreateDirectoryA(m_folder.c_str(), nullptr);

        app = std::make_unique<core::Application>(platform.Ports());
        app::AttachProgram(*app);
        app->branding = core::LoadBranding(platform.Ports().programFile);
        app->DataFolder = m_folder;
        // The windows are real ones when there is a screen to show them on.
        if (::GetEnvironmentVariableA("DISPLAY", nullptr, 0) != 0) {
            view = std::make_unique<ui::win32::View>(::GetModuleHandleA(nullptr),
                                                     std::vector<std::string>{});
            app->forms.SetHost(view.get());
        }
    }

    void TearDown() override {
        // The view lets go of the windows before their forms go.
        app->forms.SetHost(nullptr);
        view.reset();
        app.reset();
        UniqueRegKey key;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, kStartPageKey, 0, KEY_SET_VALUE, key.Put()) ==
            ERROR_SUCCESS) {
            if (m_savedStartPage) {
                ::RegSetValueExA(key.Get(), "Start Page", 0, m_savedStartPage->type,
                                 reinterpret_cast<const BYTE*>(m_savedStartPage->data.data()),
                                 static_cast<DWORD>(m_savedStartPage->data.size()));
            } else {
                ::RegDeleteValueA(key.Get(), "Start Page");
            }
        }
        ::SHDeleteKeyA(HKEY_CURRENT_USER, SettingsKey().c_str());
        std::string from = m_folder;
        from.push_back('\0');
        SHFILEOPSTRUCTA operation{};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = FOF_NO_UI;
        ::SHFileOperationA(&operation);
    }

    // Plays the user: a moment after a window appears, presses its button.
    // Runs from the event loop while the shield waits for the answer.
    void AnswerWindow(ui::Form& window, ui::CommandButton& button) {
        m_answerTimer = platform.Ports().eventLoop.StartTimer(
            std::chrono::milliseconds(300), [this, &window, &button] {
                if (!window.Visible()) {
                    return;
                }
                ++answered;
                shownOnScreen = !view || ::IsWindowVisible(view->HandleOf(window)) != FALSE;
                button.Click();
            });
    }
    void StopAnswering() { platform.Ports().eventLoop.StopTimer(m_answerTimer); }

    void ListSleeper() {
        std::ofstream(m_folder + "\\ExeDefinition.dat", std::ios::binary)
            << definitions::EncodeDefinitionLine("plain_sleeper.exe=x|" +
                                                 win32_tests::ProgramsFolder())
            << "\r\n";
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        const ui::ListView& list = *app->frmMain.lvwSpywareFound;
        for (int row = 0; row < list.ItemCount(); ++row) {
            rows.push_back(list.Item(row).text);
        }
        return rows;
    }

    platform::win32::Win32Platform platform;
    std::unique_ptr<ui::win32::View> view;
    std::unique_ptr<core::Application> app;
    int answered = 0;
    bool shownOnScreen = false;
    const std::string m_folder = TempFolder();

private:
    std::optional<RawValue> m_savedStartPage;
    platform::EventLoop::TimerId m_answerTimer = 0;
};

TEST_F(ShieldsWin32, YesWritesTheRememberedHomePageBackIntoTheBrowsersKey) {
    ASSERT_EQ(app->branding.ProgramName, kProduct);
    SetString(HKEY_CURRENT_USER, kStartPageKey, "Start Page", "http://theirs.example/");
    SetString(HKEY_CURRENT_USER, SettingsKey() + "\\OptionAndSettings", "Homepage",
              "http://mine.example/");
    AnswerWindow(app->frmHomePageChangedAlert, *app->frmHomePageChangedAlert.cmdYes);

    shields::tmrCheckHomePage_Timer(*app);
    StopAnswering();

    EXPECT_EQ(answered, 1);
    EXPECT_TRUE(shownOnScreen);
    const std::optional<RawValue> page = ReadValue(kStartPageKey, "Start Page");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(page->data, std::string("http://mine.example/", 21));
    EXPECT_EQ(app->ReadUserSetting("OptionAndSettings", "Homepage", ""), "http://mine.example/");
}

TEST_F(ShieldsWin32, NoKeepsTheNewPageAndTheNextTickIsQuiet) {
    SetString(HKEY_CURRENT_USER, kStartPageKey, "Start Page", "http://theirs.example/");
    SetString(HKEY_CURRENT_USER, SettingsKey() + "\\OptionAndSettings", "Homepage",
              "http://mine.example/");
    AnswerWindow(app->frmHomePageChangedAlert, *app->frmHomePageChangedAlert.cmdNO);

    shields::tmrCheckHomePage_Timer(*app);
    shields::tmrCheckHomePage_Timer(*app);
    StopAnswering();

    EXPECT_EQ(answered, 1);
    EXPECT_EQ(app->ReadUserSetting("OptionAndSettings", "Homepage", ""), "http://theirs.example/");
    EXPECT_EQ(ReadValue(kStartPageKey, "Start Page")->data,
              std::string("http://theirs.example/", 23));
}

TEST_F(ShieldsWin32, StopEndsTheRunningProgram) {
    RunningProgram sleeper(win32_tests::ProgramsFolder() + "\\plain_sleeper.exe");
    ASSERT_TRUE(sleeper.Running());
    ListSleeper();
    AnswerWindow(app->frmSpywareFoundAlert, *app->frmSpywareFoundAlert.cmdYes);

    shields::tmrMemoryInspected_Timer(*app);
    StopAnswering();

    EXPECT_EQ(answered, 1);
    EXPECT_TRUE(shownOnScreen);
    EXPECT_EQ(app->frmSpywareFoundAlert.lblAlertFileName->Caption(), "PLAIN_SLEEPER.EXE");
    EXPECT_EQ(app->frmSpywareFoundAlert.lblAlertCompanyName->Caption(), "HARMLESS DEMO LABS");
    EXPECT_TRUE(sleeper.EndsWithin(5000));
    EXPECT_TRUE(app->frmMain.tmrMemoryInspected->Enabled()) << "the timers are back on";
}

TEST_F(ShieldsWin32, AllowExcludesTheProgramAndTheNextTickListsItAsExcluded) {
    RunningProgram sleeper(win32_tests::ProgramsFolder() + "\\plain_sleeper.exe");
    ASSERT_TRUE(sleeper.Running());
    ListSleeper();
    AnswerWindow(app->frmSpywareFoundAlert, *app->frmSpywareFoundAlert.cmdNO);

    shields::tmrMemoryInspected_Timer(*app);
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(ReadFile(m_folder + "\\ENoSignature.dat"), "PLAIN_SLEEPER.EXE\r\n");
    EXPECT_TRUE(Rows().empty());

    shields::tmrMemoryInspected_Timer(*app);
    StopAnswering();
    EXPECT_EQ(answered, 1) << "no second alert";
    EXPECT_EQ(Rows(), std::vector<std::string>{"EXCLUDED: PLAIN_SLEEPER.EXE"});
    EXPECT_TRUE(sleeper.Running());
}

TEST_F(ShieldsWin32, APolicyWrittenWhileTheShieldRunsIsAskedAboutAndNoRemovesIt) {
    const std::string edge = "Software\\Policies\\Microsoft\\Edge";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, edge.c_str());
    // The question names the policy in the catalogue's words.
    auto catalogue = std::make_unique<i18n::clsLanguages>(
        app->ports.fileSystem, app->ports.textCodec, m_folder, app->branding, m_folder);
    i18n::LoadBuiltInMessages(*catalogue);
    app->Catalogue = std::move(catalogue);
    SetString(HKEY_CURRENT_USER, kStartPageKey, "Start Page", "http://mine.example/");
    SetString(HKEY_CURRENT_USER, SettingsKey() + "\\OptionAndSettings", "Homepage",
              "http://mine.example/");
    AnswerWindow(app->frmHomePageChangedAlert, *app->frmHomePageChangedAlert.cmdNO);

    shields::tmrCheckHomePage_Timer(*app);
    EXPECT_EQ(answered, 0) << "the start asks nothing";
    SetString(HKEY_CURRENT_USER, edge, "HomepageLocation", "http://hijack.example/");
    SetString(HKEY_CURRENT_USER, edge, "ShowHomeButton", "1");
    shields::tmrCheckHomePage_Timer(*app);
    StopAnswering();

    EXPECT_EQ(answered, 1);
    EXPECT_TRUE(shownOnScreen);
    EXPECT_NE(app->frmHomePageChangedAlert.lblHomePageInfo->Caption().find(
                  "Edge start page set to http://hijack.example/"),
              std::string::npos);
    EXPECT_FALSE(ReadValue(edge.c_str(), "HomepageLocation"));
    EXPECT_TRUE(ReadValue(edge.c_str(), "ShowHomeButton")) << "only the value asked about goes";
    const std::vector<removal::QuarantineEntry> entries = removal::LoadQuarantineEntries(
        platform.Ports().fileSystem, platform.Ports().textCodec, m_folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].valueName, "HomepageLocation");
    EXPECT_TRUE(removal::VerifySavedContent(platform.Ports().fileSystem, platform.Ports().hashing,
                                            m_folder, entries[0]));
    ::SHDeleteKeyA(HKEY_CURRENT_USER, edge.c_str());
}

// A Run value to a program in the roaming data (missing, so not signed),
// written while the program runs, is asked about; No deletes it after
// saving its copy.
TEST_F(ShieldsWin32, ARunValueWrittenWhileTheShieldRunsIsAskedAboutAndNoRemovesIt) {
    const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    const char kName[] = "ShieldsWin32Updater";
    auto catalogue = std::make_unique<i18n::clsLanguages>(
        app->ports.fileSystem, app->ports.textCodec, m_folder, app->branding, m_folder);
    i18n::LoadBuiltInMessages(*catalogue);
    app->Catalogue = std::move(catalogue);
    SetString(HKEY_CURRENT_USER, kStartPageKey, "Start Page", "http://mine.example/");
    SetString(HKEY_CURRENT_USER, SettingsKey() + "\\OptionAndSettings", "Homepage",
              "http://mine.example/");
    AnswerWindow(app->frmHomePageChangedAlert, *app->frmHomePageChangedAlert.cmdNO);
    char roaming[MAX_PATH] = {};
    ASSERT_TRUE(::GetEnvironmentVariableA("APPDATA", roaming, MAX_PATH) > 0);

    shields::tmrCheckHomePage_Timer(*app);
    EXPECT_EQ(answered, 0) << "the start asks nothing";
    SetString(HKEY_CURRENT_USER, kRun, kName, std::string(roaming) + "\\Upd\\upd.exe /q");
    shields::tmrCheckHomePage_Timer(*app);
    StopAnswering();

    EXPECT_EQ(answered, 1);
    EXPECT_NE(app->frmHomePageChangedAlert.lblHomePageInfo->Caption().find(
                  std::string("Run ") + kName + ": Starts a program that is not validly signed"),
              std::string::npos)
        << app->frmHomePageChangedAlert.lblHomePageInfo->Caption();
    EXPECT_FALSE(ReadValue(kRun, kName));
    const std::vector<removal::QuarantineEntry> entries = removal::LoadQuarantineEntries(
        platform.Ports().fileSystem, platform.Ports().textCodec, m_folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].valueName, kName);
}

}  // namespace

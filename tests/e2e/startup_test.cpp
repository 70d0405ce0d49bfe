// The real program under Wine, driven through its windows: a returning user's
// start, the pages, and the exit.

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "program_under_test.h"

namespace e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;

// Wine hands a web address to a browser of the host; for as long as it lives
// there is none, so opening the website starts nothing outside the prefix.
class NoHostBrowser {
public:
    NoHostBrowser() { ::RegSetKeyValueA(HKEY_CURRENT_USER, kKey, "Browsers", REG_SZ, "", 1); }
    ~NoHostBrowser() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, "Browsers"); }
    NoHostBrowser(const NoHostBrowser&) = delete;
    NoHostBrowser& operator=(const NoHostBrowser&) = delete;

private:
    static constexpr const char* kKey = "Software\\Wine\\WineBrowser";
};

class Startup : public ::testing::Test {
protected:
    HWND StartAndFindMainWindow(ProgramUnderTest& program) {
        EXPECT_TRUE(program.Start());
        HWND main = driver::FindForm("FrmMain", program.ProcessId());
        EXPECT_NE(main, nullptr) << "the main window did not appear";
        return main;
    }

    std::string Caption(HWND form, const char* control) {
        return driver::TextOf(driver::FindControl(form, control));
    }
};

TEST_F(Startup, TheMainWindowSpeaksTheSavedLanguageFromTheLocalisationFile) {
    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    program.SetUserSetting("Settings", "Language", "Deutsch");
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(driver::TextOf(main), "Keelwatch von Keelwatch Software");
    EXPECT_EQ(Caption(main, "cmdScan"),
              "Jetzt pr\xFC"
              "fen");
    EXPECT_EQ(Caption(main, "cmdResults"), "Ergebnisse/Entfernen");
    EXPECT_EQ(Caption(main, "Label22"), "Willkommen bei Keelwatch");
    EXPECT_EQ(Caption(main, "frmStatus"), "Keelwatch Status");
    EXPECT_EQ(Caption(main, "lblLastScan"), "Never");
    EXPECT_EQ(Caption(main, "lblDefVersion"), "3/16/2006 12:00:00 AM PST");
    EXPECT_TRUE(driver::IsShown(driver::FindControl(main, "frmStatus")));
    EXPECT_EQ(driver::FindForm("frmSplash", program.ProcessId(), driver::milliseconds(0)), nullptr)
        << "the splash window hides once the main window shows";

    const std::string shot = ScreenshotFolder() + "\\main-window.bmp";
    EXPECT_GT(driver::SaveScreenshot(main, shot), 8) << "the screenshot is blank";
}

TEST_F(Startup, WithoutALocalisationFileTheBuiltInEnglishTextsShow) {
    TempFolder folder;
    const std::string copy = folder.Path() + "\\Scanner.exe";
    ASSERT_TRUE(::CopyFileA(BuiltProgram().c_str(), copy.c_str(), FALSE));
    ProgramUnderTest program(copy);
    program.MakeReturningUser();
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(driver::TextOf(main), "Keelwatch by Keelwatch Software");
    EXPECT_EQ(Caption(main, "cmdScan"), "Scan Now");
    EXPECT_EQ(Caption(main, "Label22"), "Welcome to Keelwatch");
    driver::Close(main);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
}

TEST_F(Startup, PageButtonsAndTabsSwitchWhatIsShown) {
    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);
    HWND status = driver::FindControl(main, "frmStatus");
    HWND options = driver::FindControl(main, "frmOptions");

    driver::Click(driver::FindControl(main, "cmdSettings"));
    EXPECT_TRUE(driver::WaitFor([&] { return driver::IsShown(options); }));
    EXPECT_FALSE(driver::IsShown(status));

    driver::SelectTab(driver::FindControl(main, "TabStrip1"), 3);
    EXPECT_TRUE(
        driver::WaitFor([&] { return driver::IsShown(driver::FindControl(main, "frmView(2)")); }));
    EXPECT_FALSE(driver::IsShown(driver::FindControl(main, "frmView(0)")));

    driver::Click(driver::FindControl(main, "cmdStatus"));
    EXPECT_TRUE(driver::WaitFor([&] { return driver::IsShown(status); }));
    EXPECT_FALSE(driver::IsShown(options));
}

TEST_F(Startup, ExitRecordsThatTheProgramStoppedAndEndsIt) {
    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(program.UserSetting("OptionAndSettings", "STATUS"), "RUNNING");
    ASSERT_TRUE(driver::ChooseMenu(main, "mnuFileItem(8)"));
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(program.UserSetting("OptionAndSettings", "STATUS"), "STOPPED");
    EXPECT_EQ(program.UserSetting("Settings", "Max"), "0");
}

TEST_F(Startup, TheWebsiteWindowClosesAfterEveryVisitAndExitThenEndsTheProgram) {
    const NoHostBrowser noBrowser;
    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);
    for (int visit = 1; visit <= 2; ++visit) {
        driver::Click(driver::FindControl(main, "cmdWebsite"));
        ASSERT_NE(driver::FindForm("frmWebsite", program.ProcessId()), nullptr)
            << "visit " << visit;
        EXPECT_TRUE(driver::WaitFor([&] {
            return driver::FindForm("frmWebsite", program.ProcessId(), driver::milliseconds(0)) ==
                   nullptr;
        })) << "the website window stays after visit "
            << visit;
    }
    ASSERT_TRUE(driver::ChooseMenu(main, "mnuFileItem(8)"));
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode)) << "the process stays";
}

TEST_F(Startup, TheCloseLabelEndsTheProgramWithoutRecordingStopped) {
    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);
    driver::Click(driver::FindControl(main, "lblHide"));
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(program.UserSetting("OptionAndSettings", "STATUS"), "RUNNING");
}

TEST_F(Startup, SendToTrayHidesTheWindowAndTheNextStartIsInTheTray) {
    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);
    driver::Click(driver::FindControl(main, "Command5"));
    EXPECT_TRUE(
        driver::WaitFor([&] { return program.UserSetting("Settings", "Minimized") == "Yes"; }));
    EXPECT_FALSE(driver::IsShown(main));
}

}  // namespace
}  // namespace e2e

// The real program under Wine, driven through its windows.

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "program_under_test.h"

namespace e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;

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
    program.SetUserSetting("Settings", "Language", "Deutsch");
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);

    EXPECT_EQ(driver::TextOf(main), "Keelwatch by Keelwatch Software");
    EXPECT_EQ(Caption(main, "cmdScan"), "Scan Now");
    EXPECT_EQ(Caption(main, "Label22"), "Welcome to Keelwatch");
    driver::Close(main);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
}

TEST_F(Startup, AFirstStartStoresEnglishAsTheLanguage) {
    ProgramUnderTest program(BuiltProgram());
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Caption(main, "cmdScan"), "Scan Now");
    EXPECT_EQ(program.UserSetting("Settings", "Language"), "English");
}

TEST_F(Startup, PageButtonsAndTabsSwitchWhatIsShown) {
    ProgramUnderTest program(BuiltProgram());
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

TEST_F(Startup, ClosingTheMainWindowEndsTheProgram) {
    ProgramUnderTest program(BuiltProgram());
    HWND main = StartAndFindMainWindow(program);
    ASSERT_NE(main, nullptr);
    driver::Close(main);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fputs("usage: e2e_tests <program.exe> <screenshot folder>\n", stderr);
        return 2;
    }
    e2e::SetBuiltProgram(argv[1]);
    e2e::SetScreenshotFolder(argv[2]);
    return RUN_ALL_TESTS();
}

// The very first start on a clean machine and user, answered through the
// program's windows, and the start after it.

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "program_under_test.h"

namespace e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;

TEST(FirstRun, AsksForTheLanguageThenOffersLiveUpdateThenStoresTheSettings) {
    ProgramUnderTest program(BuiltProgram());
    program.MakeFirstRun();
    ASSERT_TRUE(program.Start());

    HWND chooser = driver::FindForm("frmLanguage", program.ProcessId());
    ASSERT_NE(chooser, nullptr) << "no language chooser on the first start";
    EXPECT_EQ(driver::TextOf(chooser), "Language Selection");
    HWND languages = driver::FindControl(chooser, "Combo1");
    EXPECT_EQ(driver::ComboItems(languages), (std::vector<std::string>{"English", "Deutsch"}));
    ASSERT_TRUE(driver::SelectComboItem(languages, "Deutsch"));
    EXPECT_TRUE(driver::WaitFor([&] { return driver::TextOf(chooser) == "Sprachauswahl"; }));
    driver::Click(driver::FindControl(chooser, "Command2"));

    // Help.chm lies beside the built program: the first start opens it.
    HWND help = FindHelpWindow(HelpWindowTitle(BuiltProgram()), driver::kDefaultTimeout);
    EXPECT_NE(help, nullptr) << "the help file did not open on the first start";
    if (help != nullptr) {
        CloseHelpWindow(help);
    }

    HWND question = driver::FindMessageBox(program.ProcessId());
    ASSERT_NE(question, nullptr) << "no Live Update question on the first run";
    EXPECT_EQ(driver::TextOf(question), "Jetzt aktualisieren?");
    EXPECT_EQ(driver::MessageBoxText(question).rfind("Vielen Dank, dass Sie Keelwatch", 0), 0u);
    driver::AnswerMessageBox(question, IDNO);

    HWND main = driver::FindForm("FrmMain", program.ProcessId());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(driver::TextOf(driver::FindControl(main, "cmdScan")),
              "Jetzt pr\xFC"
              "fen");
    EXPECT_EQ(driver::TextOf(driver::FindControl(main, "lblDefCount")), "0");

    const std::vector<std::pair<std::string, std::string>> stored{
        {"optIEHomePageSheildOn", "True"},
        {"optIEHomePageSheildOff", "False"},
        {"optMemorySheildOn", "True"},
        {"chkMakeLog", "1"},
        {"chkSweepMemory", "1"},
        {"chkScanRegistry", "1"},
        {"chkScanCookies", "1"},
        {"chkAutomaticUpdate", "1"},
        {"optScanOnlyKnownSoftwares", "True"},
        {"optScanAllSelectedHardDrive", "False"},
        {"SHOW", "True"},
        {"STATUS", "RUNNING"}};
    for (const auto& [key, value] : stored) {
        EXPECT_EQ(program.UserSetting("OptionAndSettings", key), value) << key;
    }
    EXPECT_EQ(program.UserSetting("OptionAndSettings", "chkSendData"), "");
    EXPECT_EQ(program.UserSetting("Settings", "Language"), "Deutsch");
    EXPECT_EQ(program.MachineSetting("FirstTime"), "Yes");

    driver::Close(main);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));

    // The second start shows none of the first-run windows.
    ASSERT_TRUE(program.Start());
    main = driver::FindForm("FrmMain", program.ProcessId());
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(driver::FindForm("frmLanguage", program.ProcessId(), driver::milliseconds(0)),
              nullptr);
    EXPECT_EQ(driver::FindMessageBox(program.ProcessId(), driver::milliseconds(1500)), nullptr);
    driver::Close(main);
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
}

}  // namespace
}  // namespace e2e

// The help file that the build puts beside the program: it opens by itself on
// a user's first start and again from Help > Help Topics.

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "program_under_test.h"

namespace e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;

TEST(HelpFile, OpensOnTheFirstStartAndFromTheHelpMenu) {
    const std::string title = HelpWindowTitle(BuiltProgram());
    // A viewer that an earlier first start left open would pass for ours.
    CloseHelpWindows(title);
    ASSERT_EQ(::FindWindowA(nullptr, title.c_str()), nullptr) << "an earlier viewer stays open";

    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    program.SetUserSetting("Settings", "showHelp", "1");
    ASSERT_TRUE(program.Start());
    HWND main = driver::FindForm("FrmMain", program.ProcessId());
    ASSERT_NE(main, nullptr);

    HWND help = FindHelpWindow(title, driver::kDefaultTimeout);
    ASSERT_NE(help, nullptr) << "Help.chm did not open on the first start";
    EXPECT_EQ(program.UserSetting("Settings", "showHelp"), "0");
    EXPECT_EQ(program.MachineSetting("showHelp"), "0");
    CloseHelpWindow(help);

    ASSERT_TRUE(driver::ChooseMenu(main, "mnuHelpItem(0)"));
    help = FindHelpWindow(title, driver::kDefaultTimeout);
    EXPECT_NE(help, nullptr) << "Help > Help Topics did not open Help.chm";
    if (help != nullptr) {
        CloseHelpWindow(help);
    }

    driver::Close(main);
    DWORD exitCode = 1;
    EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, exitCode));
}

}  // namespace
}  // namespace e2e

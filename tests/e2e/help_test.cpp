// The help file that the build puts beside the program: it opens by itself on
// a user's first start and again from Help > Help Topics.

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "platform/win32/program_file_win32.h"
#include "program_under_test.h"

namespace e2e {
namespace {

constexpr DWORD kExitTimeoutMs = 15000;

// The help viewer's window bears the title that the help file gives it.
std::string HelpWindowTitle() {
    platform::win32::ProgramFileWin32 program(BuiltProgram());
    return program.ReadVersionResource().productName + " Help";
}

HWND FindHelpWindow(const std::string& title,
                    driver::milliseconds timeout = driver::kDefaultTimeout) {
    HWND found = nullptr;
    driver::WaitFor(
        [&] {
            found = ::FindWindowA(nullptr, title.c_str());
            return found != nullptr && ::IsWindowVisible(found);
        },
        timeout);
    return found != nullptr && ::IsWindowVisible(found) ? found : nullptr;
}

// Closes the viewer and waits until its window is gone, so that a later
// search finds only a window opened after this.
void CloseHelpWindow(HWND window) {
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    driver::WaitFor([&] { return !::IsWindow(window); });
}

TEST(HelpFile, OpensOnTheFirstStartAndFromTheHelpMenu) {
    const std::string title = HelpWindowTitle();
    // A viewer that an earlier first start left open would pass for ours.
    while (HWND earlier = ::FindWindowA(nullptr, title.c_str())) {
        CloseHelpWindow(earlier);
        ASSERT_FALSE(::IsWindow(earlier)) << "an earlier help window does not close";
    }

    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    program.SetUserSetting("Settings", "showHelp", "1");
    ASSERT_TRUE(program.Start());
    HWND main = driver::FindForm("FrmMain", program.ProcessId());
    ASSERT_NE(main, nullptr);

    HWND help = FindHelpWindow(title);
    ASSERT_NE(help, nullptr) << "Help.chm did not open on the first start";
    EXPECT_EQ(program.UserSetting("Settings", "showHelp"), "0");
    EXPECT_EQ(program.MachineSetting("showHelp"), "0");
    CloseHelpWindow(help);

    ASSERT_TRUE(driver::ChooseMenu(main, "mnuHelpItem(0)"));
    help = FindHelpWindow(title);
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

// The slide-in on a real screen: a borderless top-most window placed above
// the real taskbar, moved by its rise timer on the real event loop, and
// shown without taking the focus.

#include "shell/slide_in.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/desktop_win32.h"
#include "platform/win32/event_loop_win32.h"
#include "ui/timer.h"
#include "ui/win32/view.h"

namespace shell {
namespace {

class SlideInWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (::GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
            GTEST_SKIP() << "no display";
        }
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        context.SetHost(&view);
        popUp.SetSize(180, 168);
        popUp.borderStyle = ui::BorderStyle::None;
        popUp.topMost = true;
        popUp.showWithoutActivating = true;
        popUp.SetShownInTaskList(false);
        popUp.AddLabel("lblMenuClose", "Close This Menu", {20, 132, 148, 20});
        rise = &popUp.AddTimer("tmrMenuPopup", 1, false);
        dwell = &popUp.AddTimer("TmrEnablePopDown", 1000, false);
        fall = &popUp.AddTimer("tmrPopDown", 10, false);
        rise->onTimer = [this] {
            RiseTick(Sliding());
        };
    }

    void TearDown() override {
        popUp.Unload();
        Pump(50);
        context.SetHost(nullptr);
    }

    SlidingWindow Sliding() { return {popUp, position, *rise, *dwell, *fall, 80, 100}; }

    void Pump(int milliseconds) {
        const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
        do {
            loop.YieldToMessageLoop();
            ::Sleep(5);
        } while (::GetTickCount64() < end);
    }

    RECT WindowRect() {
        RECT rect{};
        ::GetWindowRect(view.HandleOf(popUp), &rect);
        return rect;
    }

    platform::win32::EventLoopWin32 loop;
    platform::win32::DesktopWin32 desktop;
    ui::FormContext context{loop};
    ui::win32::View view{::GetModuleHandleA(nullptr), {}};
    ui::Form popUp{context, "frmMenuPopUp"};
    ui::SlidePosition position;
    ui::Timer* rise = nullptr;
    ui::Timer* dwell = nullptr;
    ui::Timer* fall = nullptr;
};

TEST_F(SlideInWin32Test, ThePopUpRisesOnScreenAboveTheTaskbarAtTheRightEdge) {
    // A window of the program's that has the focus, as the user's would.
    ui::Form main(context, "FrmMain");
    main.Show();
    ::SetForegroundWindow(view.HandleOf(main));
    Pump(50);
    HWND focused = ::GetForegroundWindow();

    popUp.Load();
    PlaceAboveTaskbar(Sliding(), desktop);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int taskbarHeight = desktop.TaskbarClientRect().value_or(platform::ClientRect{}).bottom;
    RECT start = WindowRect();
    EXPECT_TRUE(::IsWindowVisible(view.HandleOf(popUp)));
    EXPECT_EQ(start.top, screenHeight - taskbarHeight);
    EXPECT_EQ(start.right, screenWidth);
    EXPECT_EQ(start.right - start.left, 180) << "borderless: the window is its client area";

    // The rise ends within a few hundred milliseconds even on a slow timer.
    for (int i = 0; i < 100 && rise->Enabled(); ++i) {
        Pump(20);
    }
    ASSERT_FALSE(rise->Enabled());
    EXPECT_TRUE(dwell->Enabled());
    const RECT rested = WindowRect();
    EXPECT_EQ(rested.top, popUp.Top());
    EXPECT_LT(rested.top, start.top);
    // Above the taskbar and near its target: 168 pixels and 100 twips up.
    EXPECT_LE(rested.bottom, screenHeight - 7);
    EXPECT_GE(rested.bottom, screenHeight - 14);
    EXPECT_EQ(rested.right, screenWidth);

    const LONG_PTR exStyle = ::GetWindowLongPtrA(view.HandleOf(popUp), GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetForegroundWindow(), focused) << "the pop-up took the focus";
    main.Unload();
}

TEST_F(SlideInWin32Test, AWindowMovedBeforeItIsCreatedAppearsThere) {
    popUp.Move(40, 60);
    popUp.Show();
    const RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 60);
    popUp.Move(50, 90);
    const RECT moved = WindowRect();
    EXPECT_EQ(moved.left, 50);
    EXPECT_EQ(moved.top, 90);
}

}  // namespace
}  // namespace shell

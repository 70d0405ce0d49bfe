#include "platform/win32/desktop_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace platform::win32 {
namespace {

class DesktopWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (::GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
            GTEST_SKIP() << "no display";
        }
    }

    DesktopWin32 desktop;
};

TEST_F(DesktopWin32Test, DesktopClientRectangleIsTheScreen) {
    const ClientRect screen = desktop.DesktopClientRect();
    EXPECT_EQ(screen.left, 0);
    EXPECT_EQ(screen.top, 0);
    EXPECT_EQ(screen.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(screen.bottom, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(screen.bottom, 0);
}

TEST_F(DesktopWin32Test, TaskbarIsFoundByItsClassWithAnEmptyName) {
    HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr);
    if (taskbar == nullptr) {
        // This desktop has no taskbar: a window of the taskbar's class
        // stands in for it.
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "Shell_TrayWnd";
        ASSERT_NE(::RegisterClassA(&windowClass), 0);
        taskbar = ::CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 700, 640, 36, nullptr,
                                    nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(taskbar, nullptr);
    }
    RECT expected{};
    ASSERT_TRUE(::GetClientRect(taskbar, &expected));
    const std::optional<ClientRect> found = desktop.TaskbarClientRect();
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->right, expected.right);
    EXPECT_EQ(found->bottom, expected.bottom);
    EXPECT_LT(found->bottom, desktop.DesktopClientRect().bottom);
    RecordProperty("taskbar_height", static_cast<int>(expected.bottom));
}

TEST_F(DesktopWin32Test, ATaskbarWithATitleIsNotTheTaskbar) {
    if (::FindWindowA("Shell_TrayWnd", nullptr) != nullptr) {
        GTEST_SKIP() << "this desktop has a taskbar of its own";
    }
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Shell_TrayWnd";
    ::RegisterClassA(&windowClass);
    HWND titled = ::CreateWindowExA(0, "Shell_TrayWnd", "Not the taskbar", WS_POPUP, 0, 0, 10, 10,
                                    nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(titled, nullptr);
    EXPECT_FALSE(desktop.TaskbarClientRect().has_value());
    ::DestroyWindow(titled);
}

}  // namespace
}  // namespace platform::win32

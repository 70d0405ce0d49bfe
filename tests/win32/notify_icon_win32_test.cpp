#include "platform/win32/notify_icon_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "core/cls_tray.h"
#include "platform/win32/event_loop_win32.h"
#include "ui/form.h"

namespace platform::win32 {
namespace {

constexpr UINT kCallbackMessage = WM_APP + 10;

class NotifyIconWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        // Wine needs an X display for windows and the notification area.
        if (::GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
            GTEST_SKIP() << "no display";
        }
        ASSERT_NE(icon.Window(), nullptr);
    }

    // Asks the shell itself whether it holds the adapter's icon.
    bool ShellHoldsIcon() {
        NOTIFYICONDATAA data = Record();
        return ::Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
    }

    // What Explorer's restart does to the icons it held.
    void ShellForgetsIcon() {
        NOTIFYICONDATAA data = Record();
        ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &data));
    }

    static void DispatchWaitingMessages() {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }

    NotifyIconWin32 icon;

private:
    NOTIFYICONDATAA Record() {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = icon.Window();
        data.uID = 1;
        return data;
    }
};

TEST_F(NotifyIconWin32Test, IconIsAddedChangedAndRemoved) {
    ASSERT_TRUE(icon.Add("NOTIFY_TEST", "Adapter test"));
    EXPECT_TRUE(ShellHoldsIcon());
    EXPECT_TRUE(icon.Modify(std::string(100, 'x')));
    EXPECT_TRUE(icon.Remove());
    EXPECT_FALSE(ShellHoldsIcon());
}

TEST_F(NotifyIconWin32Test, IconThatIsNotShownCanBeNeitherChangedNorRemoved) {
    EXPECT_FALSE(icon.Modify("Adapter test"));
    EXPECT_FALSE(icon.Remove());
    ASSERT_TRUE(icon.Add("NOTIFY_TEST", "Adapter test"));
    ASSERT_TRUE(icon.Remove());
    EXPECT_FALSE(icon.Modify("Adapter test"));
    EXPECT_FALSE(icon.Remove());
}

TEST_F(NotifyIconWin32Test, AddingAShownIconAgainChangesIt) {
    ASSERT_TRUE(icon.Add("NOTIFY_TEST", "First"));
    EXPECT_TRUE(icon.Add("NOTIFY_TEST", "Second"));
    EXPECT_TRUE(icon.Remove());
    EXPECT_FALSE(ShellHoldsIcon());
}

TEST_F(NotifyIconWin32Test, AdapterRemovesItsIconWhenItGoesAway) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.uID = 1;
    {
        NotifyIconWin32 shortLived;
        ASSERT_TRUE(shortLived.Add("NOTIFY_TEST", "Short-lived"));
        data.hWnd = shortLived.Window();
    }
    EXPECT_FALSE(::Shell_NotifyIconA(NIM_DELETE, &data));
}

TEST_F(NotifyIconWin32Test, MouseMessagesOverTheIconReachTheHandler) {
    std::vector<int> received;
    icon.onMouseMessage = [&](int mouseMessage) {
        received.push_back(mouseMessage);
    };
    ASSERT_TRUE(icon.Add("NOTIFY_TEST", "Adapter test"));
    ASSERT_TRUE(::PostMessageA(icon.Window(), kCallbackMessage, 1, WM_LBUTTONDBLCLK));
    // Newer shells put more in the high word; only the mouse message counts.
    ASSERT_TRUE(::PostMessageA(icon.Window(), kCallbackMessage, 1, MAKELPARAM(WM_RBUTTONDOWN, 7)));
    DispatchWaitingMessages();
    EXPECT_EQ(received, (std::vector<int>{WM_LBUTTONDBLCLK, WM_RBUTTONDOWN}));
}

TEST_F(NotifyIconWin32Test, ExplorerRestartBroadcastAddsTheShownIconAgain) {
    ASSERT_TRUE(icon.Add("NOTIFY_TEST", "Adapter test"));
    ShellForgetsIcon();
    ASSERT_FALSE(ShellHoldsIcon());
    // Sent as Explorer sends it: to every top-level window.
    ::SendNotifyMessageA(HWND_BROADCAST, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    DispatchWaitingMessages();
    EXPECT_TRUE(ShellHoldsIcon());
    EXPECT_TRUE(icon.Modify("Still here"));
    EXPECT_TRUE(icon.Remove());
}

TEST_F(NotifyIconWin32Test, TaskbarAnnouncementWhileTheIconIsHeldKeepsItUsable) {
    ASSERT_TRUE(icon.Add("NOTIFY_TEST", "Adapter test"));
    ::SendMessageA(icon.Window(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHoldsIcon());
    EXPECT_TRUE(icon.Remove());
    EXPECT_FALSE(ShellHoldsIcon());
}

TEST_F(NotifyIconWin32Test, ExplorerRestartLeavesARemovedIconAway) {
    ASSERT_TRUE(icon.Add("NOTIFY_TEST", "Adapter test"));
    ASSERT_TRUE(icon.Remove());
    ::SendMessageA(icon.Window(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_FALSE(ShellHoldsIcon());
}

// The program's shared icon through the real shell: the download window's
// icon takes the main window's place while an update works, and gives it
// back when it goes while the main window is hidden in the tray.
TEST_F(NotifyIconWin32Test, TheShellHoldsTheMainWindowsIconAgainAfterTheDownloadWindowsGoes) {
    EventLoopWin32 loop;
    ui::FormContext context(loop);
    ui::Form main(context, "FrmMain");
    main.SetIconResource("NOTIFY_TEST");
    main.SetCaption("Main window");
    ui::Form download(context, "frmDownload");
    download.SetIconResource("NOTIFY_TEST");
    main.Load();
    download.Load();
    int mainClicks = 0;
    main.onTrayMessage = [&](int) {
        ++mainClicks;
    };

    shell::clsTray tray(icon);
    tray.ShowIcon(main);
    tray.ChangeToolTip(main, "Product");
    ASSERT_TRUE(ShellHoldsIcon());
    tray.RemoveIcon(download);
    tray.ShowIcon(download);
    tray.ChangeToolTip(download, "Getting latest definitions.");
    EXPECT_TRUE(ShellHoldsIcon());

    tray.RemoveIcon(download);
    EXPECT_TRUE(ShellHoldsIcon());
    ASSERT_TRUE(::PostMessageA(icon.Window(), kCallbackMessage, 1, WM_LBUTTONDBLCLK));
    DispatchWaitingMessages();
    EXPECT_EQ(mainClicks, 1);

    tray.RemoveIcon(main);
    EXPECT_FALSE(ShellHoldsIcon());
}

}  // namespace
}  // namespace platform::win32

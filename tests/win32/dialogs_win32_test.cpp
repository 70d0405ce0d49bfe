#include "platform/win32/dialogs_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

namespace platform::win32 {
namespace {

// Presses a button of the message box with this title once it appears.
void PressButtonWhenShown(const char* title, int buttonId) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        const HWND box = ::FindWindowA("#32770", title);
        const HWND button = box != nullptr ? ::GetDlgItem(box, buttonId) : nullptr;
        if (button != nullptr) {
            ::SendMessageA(button, BM_CLICK, 0, 0);
            return;
        }
        ::Sleep(50);
    }
}

class DialogsWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        // Wine needs an X display to show windows.
        if (::GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0) {
            GTEST_SKIP() << "no display";
        }
    }

    MessageAnswer AnswerWith(const char* title, int buttonId) {
        std::thread presser(PressButtonWhenShown, title, buttonId);
        const MessageAnswer answer = dialogs.ShowMessage(
            "Remove the item?", title, MessageButtons::YesNo, MessageIcon::Question);
        presser.join();
        return answer;
    }

    DialogsWin32 dialogs;
};

TEST_F(DialogsWin32Test, YesIsAnsweredAsYes) {
    EXPECT_EQ(AnswerWith("Adapter test: yes", IDYES), MessageAnswer::Yes);
}

TEST_F(DialogsWin32Test, NoIsAnsweredAsNo) {
    EXPECT_EQ(AnswerWith("Adapter test: no", IDNO), MessageAnswer::No);
}

}  // namespace
}  // namespace platform::win32

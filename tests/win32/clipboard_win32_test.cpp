#include "platform/win32/clipboard_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>

namespace platform::win32 {
namespace {

// The clipboard, open for the guard's lifetime; the adapter or Wine's
// clipboard service may hold it for a moment.
class OpenedForTest {
public:
    OpenedForTest() {
        for (int attempt = 0; attempt < 50 && !m_open; ++attempt) {
            m_open = ::OpenClipboard(nullptr) != 0;
            if (!m_open) {
                ::Sleep(20);
            }
        }
    }
    ~OpenedForTest() {
        if (m_open) {
            ::CloseClipboard();
        }
    }
    OpenedForTest(const OpenedForTest&) = delete;
    OpenedForTest& operator=(const OpenedForTest&) = delete;

    [[nodiscard]] bool IsOpen() const { return m_open; }

private:
    bool m_open = false;
};

// The clipboard's CF_TEXT, up to its terminating NUL; nullopt when it has none.
std::optional<std::string> ClipboardText() {
    const OpenedForTest clipboard;
    if (!clipboard.IsOpen()) {
        return std::nullopt;
    }
    HANDLE data = ::GetClipboardData(CF_TEXT);
    if (data == nullptr) {
        return std::nullopt;
    }
    const auto* bytes = static_cast<const char*>(::GlobalLock(data));
    if (bytes == nullptr) {
        return std::nullopt;
    }
    std::string text(bytes, ::strnlen(bytes, ::GlobalSize(data)));
    ::GlobalUnlock(data);
    return text;
}

TEST(ClipboardWin32, TextReadsBackAsAnsiTextUnchanged) {
    ClipboardWin32 clipboard;
    const std::string text = "Tracking Cookie\tC:\\Users\\caf\xE9\r\nsecond line";
    ASSERT_TRUE(clipboard.SetText(text));
    EXPECT_EQ(ClipboardText(), text);
    ASSERT_TRUE(clipboard.SetText(""));
    EXPECT_EQ(ClipboardText(), "");
}

TEST(ClipboardWin32, SettingTextClearsWhatTheClipboardHeldInOtherFormats) {
    const UINT format = ::RegisterClipboardFormatA("ClipboardWin32TestFormat");
    ASSERT_NE(format, 0u);
    {
        const OpenedForTest opened;
        ASSERT_TRUE(opened.IsOpen());
        ASSERT_TRUE(::EmptyClipboard());
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, 4);
        ASSERT_NE(memory, nullptr);
        if (::SetClipboardData(format, memory) == nullptr) {
            ::GlobalFree(memory);
            FAIL() << "the test's own format could not be put on the clipboard";
        }
    }
    ASSERT_TRUE(::IsClipboardFormatAvailable(format));
    ClipboardWin32 clipboard;
    ASSERT_TRUE(clipboard.SetText("report line"));
    EXPECT_FALSE(::IsClipboardFormatAvailable(format));
    EXPECT_EQ(ClipboardText(), "report line");
}

}  // namespace
}  // namespace platform::win32

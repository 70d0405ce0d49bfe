#include "platform/win32/clipboard_win32.h"

#include <cstring>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

// Another program may hold the clipboard open for a moment, so opening is
// tried a few times before giving up.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMilliseconds = 20;

// The clipboard, open for the guard's lifetime.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) noexcept {
        for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
            if (attempt > 0) {
                ::Sleep(kOpenRetryMilliseconds);
            }
            if (::OpenClipboard(owner)) {
                m_open = true;
                return;
            }
        }
    }
    ~OpenedClipboard() {
        if (m_open) {
            ::CloseClipboard();
        }
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    [[nodiscard]] bool IsOpen() const noexcept { return m_open; }

private:
    bool m_open = false;
};

// The text with its terminating NUL in movable global memory, as the
// clipboard takes it; empty when the memory could not be had.
UniqueGlobalMemory TextInGlobalMemory(std::string_view text) {
    UniqueGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) {
        return memory;
    }
    auto* bytes = static_cast<char*>(::GlobalLock(memory.Get()));
    if (bytes == nullptr) {
        return {};
    }
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    ::GlobalUnlock(memory.Get());
    return memory;
}

}  // namespace

bool ClipboardWin32::SetText(std::string_view text) {
    // Emptying a clipboard opened without a window leaves it without an
    // owner, and the system may then refuse the data; a message-only window
    // owns it for the call. The data stays on the clipboard after the window
    // is gone.
    const UniqueWindow owner(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                               nullptr, ::GetModuleHandleA(nullptr), nullptr));
    const OpenedClipboard clipboard(owner.Get());
    if (!clipboard.IsOpen() || !::EmptyClipboard()) {
        return false;
    }
    UniqueGlobalMemory memory = TextInGlobalMemory(text);
    if (!memory || ::SetClipboardData(CF_TEXT, memory.Get()) == nullptr) {
        return false;
    }
    // The system owns the memory now.
    [[maybe_unused]] const HGLOBAL given = memory.Release();
    return true;
}

}  // namespace platform::win32

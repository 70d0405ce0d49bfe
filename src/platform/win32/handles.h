#pragma once

// One owning type per kind of Win32 handle. Each knows its empty value and
// its close function; nothing in the program closes a handle by hand.

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <wininet.h>

#include <utility>

namespace platform::win32 {

template <typename Traits>
class Unique {
public:
    using Type = typename Traits::Type;

    Unique() noexcept = default;
    explicit Unique(Type value) noexcept : m_value(value) {}
    ~Unique() { Reset(); }

    Unique(Unique&& other) noexcept : m_value(other.Release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    [[nodiscard]] Type Get() const noexcept { return m_value; }
    [[nodiscard]] bool IsValid() const noexcept { return m_value != Traits::Invalid(); }
    explicit operator bool() const noexcept { return IsValid(); }

    // For functions that return a handle through an out parameter.
    [[nodiscard]] Type* Put() noexcept {
        Reset();
        return &m_value;
    }

    [[nodiscard]] Type Release() noexcept { return std::exchange(m_value, Traits::Invalid()); }

    void Reset(Type value = Traits::Invalid()) noexcept {
        const Type old = std::exchange(m_value, value);
        if (old != Traits::Invalid()) {
            Traits::Close(old);
        }
    }

private:
    Type m_value = Traits::Invalid();
};

struct HandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::CloseHandle(value); }
};

struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type value) noexcept { ::CloseHandle(value); }
};

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Type value) noexcept { ::FindClose(value); }
};

struct RegKeyTraits {
    using Type = HKEY;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::RegCloseKey(value); }
};

struct ServiceHandleTraits {
    using Type = SC_HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::CloseServiceHandle(value); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::FreeLibrary(value); }
};

struct WindowTraits {
    using Type = HWND;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DestroyWindow(value); }
};

struct MenuTraits {
    using Type = HMENU;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DestroyMenu(value); }
};

struct FontTraits {
    using Type = HFONT;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DeleteObject(value); }
};

struct BrushTraits {
    using Type = HBRUSH;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DeleteObject(value); }
};

struct BitmapTraits {
    using Type = HBITMAP;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DeleteObject(value); }
};

struct IconTraits {
    using Type = HICON;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DestroyIcon(value); }
};

struct ImageListTraits {
    using Type = HIMAGELIST;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::ImageList_Destroy(value); }
};

struct ItemIdListTraits {
    using Type = LPITEMIDLIST;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::CoTaskMemFree(value); }
};

struct GlobalMemoryTraits {
    using Type = HGLOBAL;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::GlobalFree(value); }
};

struct InternetHandleTraits {
    using Type = HINTERNET;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::InternetCloseHandle(value); }
};

struct MemoryDcTraits {
    using Type = HDC;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::DeleteDC(value); }
};

using UniqueHandle = Unique<HandleTraits>;          // processes, tokens, mutexes, events
using UniqueFileHandle = Unique<FileHandleTraits>;  // files opened with CreateFile
using UniqueFindHandle = Unique<FindHandleTraits>;  // directory listings
using UniqueSnapshot = Unique<FileHandleTraits>;    // tool help snapshots
using UniqueRegKey = Unique<RegKeyTraits>;
using UniqueServiceHandle = Unique<ServiceHandleTraits>;  // the service manager and services
using UniqueModule = Unique<ModuleTraits>;
using UniqueWindow = Unique<WindowTraits>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueFont = Unique<FontTraits>;
using UniqueBrush = Unique<BrushTraits>;
using UniqueBitmap = Unique<BitmapTraits>;
using UniqueIcon = Unique<IconTraits>;  // icons made at run time, not shared resources
using UniqueImageList = Unique<ImageListTraits>;
using UniqueItemIdList = Unique<ItemIdListTraits>;
using UniqueMemoryDc = Unique<MemoryDcTraits>;
// WinINet sessions, connections and requests.
using UniqueInternetHandle = Unique<InternetHandleTraits>;
// Memory from GlobalAlloc; released once the clipboard owns it.
using UniqueGlobalMemory = Unique<GlobalMemoryTraits>;

// A device context obtained with GetDC, released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : m_window(window), m_dc(::GetDC(window)) {}
    ~WindowDc() {
        if (m_dc != nullptr) {
            ::ReleaseDC(m_window, m_dc);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    [[nodiscard]] HDC Get() const noexcept { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects a GDI object into a device context for the lifetime of the guard.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : m_dc(dc), m_old(::SelectObject(dc, object)) {}
    ~SelectedObject() { ::SelectObject(m_dc, m_old); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace platform::win32

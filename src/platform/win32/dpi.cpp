#include "platform/win32/dpi.h"

#include <cstddef>
#include <cstring>

namespace platform::win32 {

namespace {

// The per-monitor functions exist from Windows 10 1607 on; older systems
// have one DPI for the whole screen.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

template <typename Function>
Function User32Function(const char* name) noexcept {
    HMODULE user32 = ::GetModuleHandleA("user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(user32, name)));
}

int ScreenDpi() noexcept {
    HDC screen = ::GetDC(nullptr);
    if (screen == nullptr) {
        return kModelDpi;
    }
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSX);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kModelDpi;
}

}  // namespace

int DpiOf(HWND window) noexcept {
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return ScreenDpi();
}

int ToScreen(int modelPixels, int dpi) noexcept {
    return ::MulDiv(modelPixels, dpi, kModelDpi);
}

int ToModel(int screenPixels, int dpi) noexcept {
    return dpi > 0 ? ::MulDiv(screenPixels, kModelDpi, dpi) : screenPixels;
}

int MetricAt(int index, int dpi) noexcept {
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    return ::MulDiv(::GetSystemMetrics(index), dpi, ScreenDpi());
}

void AdjustFrameAt(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) noexcept {
    static const auto forDpi =
        User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (forDpi != nullptr &&
        forDpi(&rect, style, menu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi)) != FALSE) {
        return;
    }
    ::AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, exStyle);
}

LOGFONTA MessageFontAt(int dpi) noexcept {
    static const auto forDpi =
        User32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    // The wide structure: the ...ForDpi function has no narrow form.
    NONCLIENTMETRICSW wide{};
    wide.cbSize = sizeof(wide);
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof(wide), &wide, 0, static_cast<UINT>(dpi)) != FALSE) {
        LOGFONTA font{};
        std::memcpy(&font, &wide.lfMessageFont, offsetof(LOGFONTA, lfFaceName));
        ::WideCharToMultiByte(CP_ACP, 0, wide.lfMessageFont.lfFaceName, -1, font.lfFaceName,
                              LF_FACESIZE, nullptr, nullptr);
        return font;
    }
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // The metrics are those of the screen's DPI.
        metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, ScreenDpi());
        return metrics.lfMessageFont;
    }
    LOGFONTA font{};
    font.lfHeight = -ToScreen(12, dpi);
    font.lfWeight = FW_NORMAL;
    lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);
    return font;
}

}  // namespace platform::win32

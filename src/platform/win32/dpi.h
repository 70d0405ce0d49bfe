#pragma once

// The screen's DPI and the one conversion between pixels of a 96-DPI screen,
// in which the program lays out its windows and measures the screen, and the
// screen's own pixels. Each window is shown at the DPI of its monitor.

#include <windows.h>

namespace platform::win32 {

inline constexpr int kModelDpi = 96;

// The DPI that a window is shown at: the monitor's on systems that tell
// (Windows 10 1607 and later), otherwise the screen's.
[[nodiscard]] int DpiOf(HWND window) noexcept;

// Model pixels at a DPI and back, rounded to the nearest pixel.
[[nodiscard]] int ToScreen(int modelPixels, int dpi) noexcept;
[[nodiscard]] int ToModel(int screenPixels, int dpi) noexcept;

// A system metric (icon sizes and the like) at a DPI.
[[nodiscard]] int MetricAt(int index, int dpi) noexcept;

// The window rectangle around a client rectangle at a DPI.
void AdjustFrameAt(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) noexcept;

// The system's message font at a DPI.
[[nodiscard]] LOGFONTA MessageFontAt(int dpi) noexcept;

}  // namespace platform::win32

#pragma once

// The look of the program's windows at one DPI: fonts and colours chosen by
// each control's look hint. The skin is ours to choose; this one is plain and
// readable.

#include "platform/win32/handles.h"
#include "ui/control.h"

namespace ui::win32 {

class Theme {
public:
    explicit Theme(int dpi);

    [[nodiscard]] int Dpi() const noexcept { return m_dpi; }

    [[nodiscard]] HFONT FontFor(Look look) const noexcept;
    [[nodiscard]] HFONT NormalFont() const noexcept { return m_normal.Get(); }
    [[nodiscard]] COLORREF TextColourFor(Look look) const noexcept;

    [[nodiscard]] HBRUSH WindowBrush() const noexcept { return m_windowBrush.Get(); }
    [[nodiscard]] HBRUSH PageBrush() const noexcept { return m_pageBrush.Get(); }
    [[nodiscard]] HBRUSH BannerBrush() const noexcept { return m_bannerBrush.Get(); }
    [[nodiscard]] COLORREF WindowColour() const noexcept { return kWindow; }
    [[nodiscard]] COLORREF PageColour() const noexcept { return kPage; }
    [[nodiscard]] COLORREF BannerColour() const noexcept { return kBanner; }
    [[nodiscard]] COLORREF RuleColour() const noexcept { return kRule; }

private:
    static constexpr COLORREF kWindow = RGB(0xEE, 0xF1, 0xF5);
    static constexpr COLORREF kPage = RGB(0xFF, 0xFF, 0xFF);
    static constexpr COLORREF kBanner = RGB(0x1D, 0x3B, 0x5C);
    static constexpr COLORREF kRule = RGB(0xC9, 0xD2, 0xDC);

    int m_dpi;
    platform::win32::UniqueFont m_normal;
    platform::win32::UniqueFont m_bold;
    platform::win32::UniqueFont m_title;
    platform::win32::UniqueFont m_banner;
    platform::win32::UniqueFont m_link;
    platform::win32::UniqueFont m_nav;
    platform::win32::UniqueBrush m_windowBrush;
    platform::win32::UniqueBrush m_pageBrush;
    platform::win32::UniqueBrush m_bannerBrush;
};

}  // namespace ui::win32

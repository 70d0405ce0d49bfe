#include "ui/win32/theme.h"

#include "ui/win32/dpi.h"

namespace ui::win32 {

namespace {

HFONT Derived(LOGFONTA font, int height, LONG weight, bool underline) {
    if (height != 0) {
        font.lfHeight = height;
    }
    font.lfWeight = weight;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfQuality = CLEARTYPE_QUALITY;
    return ::CreateFontIndirectA(&font);
}

}  // namespace

Theme::Theme(int dpi) : m_dpi(dpi) {
    const LOGFONTA base = MessageFontAt(dpi);
    m_normal.Reset(Derived(base, 0, FW_NORMAL, false));
    m_bold.Reset(Derived(base, 0, FW_BOLD, false));
    m_title.Reset(Derived(base, -ToScreen(20, dpi), FW_BOLD, false));
    m_banner.Reset(Derived(base, -ToScreen(24, dpi), FW_BOLD, false));
    m_link.Reset(Derived(base, 0, FW_NORMAL, true));
    m_nav.Reset(Derived(base, -ToScreen(14, dpi), FW_BOLD, false));
    m_windowBrush.Reset(::CreateSolidBrush(kWindow));
    m_pageBrush.Reset(::CreateSolidBrush(kPage));
    m_bannerBrush.Reset(::CreateSolidBrush(kBanner));
}

HFONT Theme::FontFor(Look look) const noexcept {
    switch (look) {
        case Look::Title:
            return m_title.Get();
        case Look::Banner:
            return m_banner.Get();
        case Look::Heading:
        case Look::Strong:
            return m_bold.Get();
        case Look::Link:
            return m_link.Get();
        case Look::Nav:
            return m_nav.Get();
        case Look::Normal:
        case Look::BannerText:
        case Look::Muted:
            return m_normal.Get();
    }
    return m_normal.Get();
}

COLORREF Theme::TextColourFor(Look look) const noexcept {
    switch (look) {
        case Look::Banner:
            return RGB(0xFF, 0xFF, 0xFF);
        case Look::BannerText:
            return RGB(0xD6, 0xE2, 0xEE);
        case Look::Title:
        case Look::Heading:
            return RGB(0x1D, 0x3B, 0x5C);
        case Look::Link:
            return RGB(0x0B, 0x5C, 0xAD);
        case Look::Muted:
            return RGB(0x5F, 0x6B, 0x78);
        case Look::Normal:
        case Look::Strong:
        case Look::Nav:
            return RGB(0x1A, 0x1A, 0x1A);
    }
    return RGB(0, 0, 0);
}

}  // namespace ui::win32

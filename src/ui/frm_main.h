#pragma once

// The main window: a banner, the page buttons down the left side, and the
// four pages (status, scan, results, options) of which one is shown at a
// time. The options page holds a tab strip whose tabs show the frames of the
// frmView array. Subsystems add their own controls to the pages they own.

#include <array>

#include "ui/form.h"

namespace ui {

class FrmMain : public Form {
public:
    explicit FrmMain(FormContext& context);

    // The banner's welcome text.
    Label* Label22;

    // Page buttons.
    CommandButton* cmdStatus;
    CommandButton* cmdScan;
    CommandButton* cmdResults;
    CommandButton* cmdSettings;

    // Pages.
    Frame* frmStatus;
    Frame* frmScan;
    Frame* frmResults;
    Frame* frmOptions;

    // The options page's tabs and the frames they show (tab i shows
    // frmView(i - 1)).
    TabStrip* TabStrip1;
    std::array<Frame*, 4> frmView;

    // Geometry shared by the builders of the pages.
    static constexpr int kWidth = 780;
    static constexpr int kHeight = 540;
    static constexpr int kBannerHeight = 64;
    static constexpr Bounds kPage{184, kBannerHeight + 12, kWidth - 184 - 12,
                                  kHeight - kBannerHeight - 24};
    // The area inside a tab of the options page, relative to the page.
    static constexpr Bounds kTabArea{16, 64, kPage.width - 32, kPage.height - 84};
};

}  // namespace ui

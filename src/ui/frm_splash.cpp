#include "ui/frm_splash.h"

#include "ui/timer.h"

namespace ui {

FrmSplash::FrmSplash(FormContext& context) : Form(context, "frmSplash") {
    SetSize(420, 220);
    borderStyle = BorderStyle::None;
    SetIconResource("AAA");
    bannerHeight = 220;
    topMost = true;

    imgLogo = &AddImage("imgLogo", "AAA", {32, 60, 48, 48});
    lblProductName = &AddLabel("lblProductName", "", {100, 56, 300, 36});
    lblProductName->SetLook(Look::Banner);
    lblCompanyName = &AddLabel("lblCompanyName", "", {100, 96, 300, 20});
    lblCompanyName->SetLook(Look::BannerText);
    lblLoading = &AddLabel("lblLoading", "Loading...", {100, 160, 300, 20});
    lblLoading->SetLook(Look::BannerText);
    Timer2 = &AddTimer("Timer2", 2, false);
}

}  // namespace ui

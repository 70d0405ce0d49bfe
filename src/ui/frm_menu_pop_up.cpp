#include "ui/frm_menu_pop_up.h"

namespace ui {

FrmMenuPopUp::FrmMenuPopUp(FormContext& context) : Form(context, "frmMenuPopUp") {
    SetSize(180, 168);
    borderStyle = BorderStyle::None;
    bannerHeight = 32;
    topMost = true;
    showWithoutActivating = true;
    centerOnScreen = false;
    SetShownInTaskList(false);
    SetIconResource("AAA");
    lblName = &AddLabel("lblName", "", {12, 8, 156, 20});
    lblName->SetLook(Look::BannerText);
    mnuMaxmimaize = &AddLabel("mnuMaxmimaize", "Show Program", {20, 48, 148, 20});
    mnuMaxmimaize->SetLook(Look::Link);
    mnuClose = &AddLabel("mnuClose", "Exit Program", {20, 78, 148, 20});
    mnuClose->SetLook(Look::Link);
    lblMenuClose = &AddLabel("lblMenuClose", "Close This Menu", {20, 132, 148, 20});
    tmrMenuPopup = &AddTimer("tmrMenuPopup", 1, false);
    TmrEnablePopDown = &AddTimer("TmrEnablePopDown", 1000, false);
    tmrPopDown = &AddTimer("tmrPopDown", 10, false);
}

}  // namespace ui

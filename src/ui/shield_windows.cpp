#include "ui/shield_windows.h"

namespace ui {

FrmHomePageChangedAlert::FrmHomePageChangedAlert(FormContext& context)
    : Form(context, "frmHomePageChangedAlert") {
    SetCaption("Home Page Changed");
    SetSize(420, 250);
    borderStyle = BorderStyle::Fixed;
    bannerHeight = 40;
    topMost = true;
    SetIconResource("AAA");
    lblFrmHomePageProductName = &AddLabel("lblFrmHomePageProductName", "", {16, 10, 388, 24});
    lblHomePageInfo = &AddLabel("lblHomePageInfo", "", {16, 50, 388, 140});
    cmdYes = &AddButton("cmdYes", "Yes", {196, 206, 100, 28});
    cmdYes->isDefault = true;
    cmdNO = &AddButton("cmdNO", "No", {304, 206, 100, 28});
}

FrmSpywareFoundAlert::FrmSpywareFoundAlert(FormContext& context)
    : Form(context, "frmSpywareFoundAlert") {
    SetCaption("Alert");
    SetSize(420, 260);
    borderStyle = BorderStyle::Fixed;
    bannerHeight = 40;
    // The alert comes while the program may sit in the tray: it must be seen.
    topMost = true;
    SetIconResource("AAA");
    lblProductName = &AddLabel("lblProductName", "Malicious Program Found", {16, 10, 388, 24});
    Label1 = &AddLabel("Label1", "Spyware/Adware has been detected.", {16, 50, 388, 20});
    SkinLabel4 = &AddSkinLabel("SkinLabel4", "File Name:", {16, 80, 110, 20});
    lblAlertFileName = &AddLabel("lblAlertFileName", kUnknownExecutable, {130, 80, 274, 20});
    SkinLabel5 = &AddSkinLabel("SkinLabel5", "Company Name:", {16, 104, 110, 20});
    lblAlertCompanyName = &AddLabel("lblAlertCompanyName", kUnknownCompany, {130, 104, 274, 36});
    SkinLabel2 =
        &AddSkinLabel("SkinLabel2", "Click STOP to stop it from running.", {16, 148, 388, 20});
    SkinLabel3 =
        &AddSkinLabel("SkinLabel3", "Click ALLOW to allow the program to run.", {16, 170, 388, 20});
    cmdYes = &AddButton("cmdYes", "STOP", {196, 216, 100, 28});
    cmdNO = &AddButton("cmdNO", "ALLOW", {304, 216, 100, 28});
    tmrBlink = &AddTimer("tmrBlink", 800, false);
}

}  // namespace ui

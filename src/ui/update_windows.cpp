#include "ui/update_windows.h"

namespace ui {

FrmDownload::FrmDownload(FormContext& context) : Form(context, "frmDownload") {
    SetCaption("Live Update");
    SetSize(420, 250);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    picUp = &AddImage("picUp", "AAA", {16, 16, 32, 32});
    picDown = &AddImage("picDown", "ICO_FILE", {16, 16, 32, 32});
    lblProduct = &AddLabel("lblProduct", "", {60, 20, 344, 40});
    txtStatus = &AddTextBox("txtStatus", {16, 70, 388, 120});
    txtStatus->multiLine = true;
    txtStatus->readOnly = true;
    tmrBlink = &AddTimer("tmrBlink", 800, false);
    Command1 = &AddButton("Command1", "Cancel", {304, 204, 100, 28});
    Command1->isCancel = true;
}

FrmSignatureUpdated::FrmSignatureUpdated(FormContext& context)
    : Form(context, "frmSignatureUpdated") {
    SetSize(320, 150);
    borderStyle = BorderStyle::None;
    topMost = true;
    showWithoutActivating = true;
    centerOnScreen = false;
    SetIconResource("AAA");
    SetShownInTaskList(false);
    lblUpdateInfo = &AddLabel("lblUpdateInfo", "", {16, 16, 288, 64});
    tmrPopupSignatureUpdate = &AddTimer("tmrPopupSignatureUpdate", 10, false);
    tmrEnablePopDownTimer = &AddTimer("tmrEnablePopDownTimer", 7000, false);
    tmrPopDown = &AddTimer("tmrPopDown", 10, false);
    cmdUpdateSuccesfullOK = &AddButton("cmdUpdateSuccesfullOK", "OK", {204, 104, 100, 28});
    cmdUpdateSuccesfullOK->isDefault = true;
}

}  // namespace ui

#include "ui/frm_report.h"

namespace ui {

FrmReport::FrmReport(FormContext& context) : Form(context, "frmReport") {
    SetSize(600, 460);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    SetShownInTaskList(false);
    txtReport = &AddTextBox("txtReport", {12, 12, 576, 392});
    txtReport->multiLine = true;
    txtReport->readOnly = true;
    txtReport->scrollBars = true;
    cmdOk = &AddButton("cmdOk", "OK", {488, 418, 100, 28});
    cmdOk->isDefault = true;
    cmdOk->isCancel = true;
}

}  // namespace ui

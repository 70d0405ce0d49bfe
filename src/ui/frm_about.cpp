#include "ui/frm_about.h"

namespace ui {

FrmAbout::FrmAbout(FormContext& context) : Form(context, "frmAbout") {
    SetSize(360, 262);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    SetShownInTaskList(false);
    AddImage("imgIcon", "AAA", {16, 16, 32, 32});
    lblProductName = &AddLabel("lblProductName", "", {64, 16, 280, 24});
    lblProductName->SetLook(Look::Heading);
    lblCompanyName = &AddLabel("lblCompanyName", "", {64, 44, 280, 20});
    lblVersion = &AddLabel("lblVersion", "", {64, 68, 280, 20});
    lblSqliteVersion = &AddLabel("lblSqliteVersion", "", {64, 88, 280, 20});
    lblWebsite = &AddLabel("lblWebsite", "", {64, 120, 280, 20});
    lblWebsite->SetLook(Look::Link);
    lblDefinitionsCredit = &AddLabel("lblDefinitionsCredit", "", {16, 146, 328, 48});
    lblUpdateKey = &AddLabel("lblUpdateKey", "", {16, 198, 220, 52});
    cmdOK = &AddButton("cmdOK", "OK", {244, 218, 100, 28});
    cmdOK->isDefault = true;
    cmdOK->isCancel = true;
}

}  // namespace ui

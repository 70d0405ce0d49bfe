#include "ui/frm_restore_question.h"

namespace ui {

FrmRestoreQuestion::FrmRestoreQuestion(FormContext& context) : Form(context, "frmRestoreQuestion") {
    SetSize(460, 160);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    SetShownInTaskList(false);
    // The question and the offer are the catalogue's messages, set when the
    // window is shown.
    lblQuestion = &AddLabel("lblQuestion", "", {12, 12, 436, 48});
    chkExclude = &AddCheckBox("chkExclude", "", {12, 64, 436, 40});
    cmdYes = &AddButton("cmdYes", "Yes", {244, 120, 100, 28});
    cmdYes->isDefault = true;
    cmdNo = &AddButton("cmdNo", "No", {352, 120, 96, 28});
    cmdNo->isCancel = true;
    cmdYes->onClick = [this] {
        m_answeredYes = true;
        Hide();
    };
    cmdNo->onClick = [this] {
        m_answeredYes = false;
        Hide();
    };
}

bool FrmRestoreQuestion::Ask() {
    m_answeredYes = false;
    ShowModal();
    return m_answeredYes;
}

}  // namespace ui

#include "ui/small_windows.h"

namespace ui {

FrmHidden::FrmHidden(FormContext& context) : Form(context, "frmHidden") {
    SetSize(0, 0);
    SetShownInTaskList(false);
}

FrmDelete::FrmDelete(FormContext& context) : Form(context, "frmDelete") {
    SetCaption("Delete Failed");
    SetSize(460, 330);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    SetShownInTaskList(false);
    Label1 = &AddLabel("Label1",
                       "The following files could not be deleted.  You should save your work, "
                       "close all running programs (especially browsers) and try to delete them "
                       "again.",
                       {12, 12, 436, 48});
    lstProblem = &AddListBox("lstProblem", {12, 64, 436, 150});
    Label2 = &AddLabel("Label2",
                       "If you still cannot delete them, you should start your computer in Safe "
                       "Mode and either scan again or delete them manually.",
                       {12, 222, 436, 48});
    Command1 = &AddButton("Command1", "Ok", {240, 286, 100, 28});
    Command1->isDefault = true;
    Command2 = &AddButton("Command2", "Copy List", {348, 286, 100, 28});
}

Form8::Form8(FormContext& context) : Form(context, "Form8") {
    SetSize(0, 0);
    borderStyle = BorderStyle::None;
    SetShownInTaskList(false);
}

FrmLanguage::FrmLanguage(FormContext& context) : Form(context, "frmLanguage") {
    SetSize(460, 150);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    lblChoose = &AddLabel("lblChoose", "Choose the language of the program:", {16, 16, 428, 20});
    Combo1 = &AddComboBox("Combo1", {16, 42, 428, 24});
    Combo1->editable = true;
    Combo1->SetText(kChooseLanguage);
    Command1 = &AddButton("Command1", "Check for language updates", {16, 104, 190, 28});
    Command3 = &AddButton("Command3", "Translate this program", {214, 104, 150, 28});
    Command2 = &AddButton("Command2", "OK", {372, 104, 72, 28});
    Command2->isDefault = true;
    Command2->isCancel = true;
}

FrmWebsite::FrmWebsite(FormContext& context) : Form(context, "frmWebsite") {
    SetSize(0, 0);
    borderStyle = BorderStyle::None;
    SetShownInTaskList(false);
    Timer1 = &AddTimer("Timer1", 1000, true);
}

}  // namespace ui

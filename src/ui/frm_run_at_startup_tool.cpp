#include "ui/frm_run_at_startup_tool.h"

namespace ui {

FrmRunAtStartupTool::FrmRunAtStartupTool(FormContext& context)
    : Form(context, "frmRunAtStartupTool") {
    SetSize(460, 250);
    borderStyle = BorderStyle::Fixed;
    SetIconResource("AAA");
    lblExplain = &AddLabel("lblExplain", "", {16, 16, 428, 64});
    lblCommand = &AddLabel("lblCommand", "", {16, 84, 428, 36});
    lblCommand->SetLook(Look::Strong);
    lblState = &AddLabel("lblState", "", {16, 126, 428, 20});
    lblResult = &AddLabel("lblResult", "", {16, 150, 428, 48});
    // The captions are the built-in English ones; the localisation file
    // translates them.
    cmdAdd = &AddButton("cmdAdd", "Add", {132, 208, 100, 28});
    cmdRemove = &AddButton("cmdRemove", "Remove", {238, 208, 100, 28});
    cmdClose = &AddButton("cmdClose", "Close", {344, 208, 100, 28});
    cmdClose->isCancel = true;
}

}  // namespace ui

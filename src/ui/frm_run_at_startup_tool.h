#pragma once

// The window of the Run at Startup tool: what the tool does, the command it
// puts in the machine's Run list, whether it is there now, the buttons that
// add or remove it, and what the last press did.

#include "ui/form.h"

namespace ui {

class FrmRunAtStartupTool : public Form {
public:
    explicit FrmRunAtStartupTool(FormContext& context);

    Label* lblExplain;
    Label* lblCommand;  // the entry's data
    Label* lblState;
    Label* lblResult;
    CommandButton* cmdAdd;
    CommandButton* cmdRemove;
    CommandButton* cmdClose;
};

}  // namespace ui

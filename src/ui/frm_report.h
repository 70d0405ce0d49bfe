#pragma once

// The window that shows the last scan report.

#include "ui/form.h"
#include "ui/text_box.h"

namespace ui {

class FrmReport : public Form {
public:
    explicit FrmReport(FormContext& context);

    TextBox* txtReport;    // read-only, several lines, with a vertical scroll bar
    CommandButton* cmdOk;  // "OK"
};

}  // namespace ui

#pragma once

// The question that the quarantine window's Restore asks: restore the
// checked items, and whether to add them to the exclusions, which a message
// box cannot offer. It shows modally and keeps the answer until it is asked
// again.

#include "ui/check_box.h"
#include "ui/form.h"

namespace ui {

class FrmRestoreQuestion : public Form {
public:
    explicit FrmRestoreQuestion(FormContext& context);

    // Shows the window modally; true when Yes was pressed. Closing it any
    // other way is No. The check box keeps the user's choice afterwards.
    [[nodiscard]] bool Ask();

    Label* lblQuestion;
    CheckBox* chkExclude;
    CommandButton* cmdYes;
    CommandButton* cmdNo;

private:
    bool m_answeredYes = false;
};

}  // namespace ui

#pragma once

// The windows of the two shields: the question about a changed start page,
// and the alert about a listed program found running.

#include "ui/form.h"
#include "ui/timer.h"

namespace ui {

// Asks whether to keep the remembered home page or the new start page.
class FrmHomePageChangedAlert : public Form {
public:
    explicit FrmHomePageChangedAlert(FormContext& context);

    Label* lblFrmHomePageProductName;
    Label* lblHomePageInfo;
    CommandButton* cmdYes;  // "Yes"
    CommandButton* cmdNO;   // "No"
};

// "Malicious Program Found": stop the program, or allow it for good.
class FrmSpywareFoundAlert : public Form {
public:
    explicit FrmSpywareFoundAlert(FormContext& context);

    static constexpr const char* kUnknownExecutable = "Unknown Executable";
    static constexpr const char* kUnknownCompany = "Unknown Company";

    Label* lblProductName;
    Label* Label1;
    Label* SkinLabel4;
    Label* lblAlertFileName;
    Label* SkinLabel5;
    Label* lblAlertCompanyName;
    Label* SkinLabel2;
    Label* SkinLabel3;
    CommandButton* cmdYes;  // "STOP"
    CommandButton* cmdNO;   // "ALLOW"
    Timer* tmrBlink;
};

}  // namespace ui

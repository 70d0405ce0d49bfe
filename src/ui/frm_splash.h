#pragma once

// The splash window shown while the program starts: the product's name and
// icon over a countdown timer.

#include "ui/form.h"

namespace ui {

class FrmSplash : public Form {
public:
    explicit FrmSplash(FormContext& context);

    Image* imgLogo;
    Label* lblProductName;
    Label* lblCompanyName;
    Label* lblLoading;
    Timer* Timer2;
};

}  // namespace ui

#pragma once

// The about window: the product, its maker, its version, the version of the
// SQLite it was built with, and its website.

#include "ui/form.h"

namespace ui {

class FrmAbout : public Form {
public:
    explicit FrmAbout(FormContext& context);

    Label* lblProductName;
    Label* lblCompanyName;
    Label* lblVersion;
    Label* lblSqliteVersion;
    Label* lblWebsite;    // opens the website when clicked
    Label* lblUpdateKey;  // says when updates cannot be checked for the publisher's signature
    CommandButton* cmdOK;
};

}  // namespace ui

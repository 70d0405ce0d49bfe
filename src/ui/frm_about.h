#pragma once

// The about window: the product, its maker, its version, the version of the
// SQLite it was built with, its website, and the sources of its definitions.

#include "ui/form.h"

namespace ui {

class FrmAbout : public Form {
public:
    explicit FrmAbout(FormContext& context);

    Label* lblProductName;
    Label* lblCompanyName;
    Label* lblVersion;
    Label* lblSqliteVersion;
    Label* lblWebsite;            // opens the website when clicked
    Label* lblDefinitionsCredit;  // the public lists that definitions come from
    Label* lblUpdateKey;  // says when updates cannot be checked for the publisher's signature
    CommandButton* cmdOK;
};

}  // namespace ui

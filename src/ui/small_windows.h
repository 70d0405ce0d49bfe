#pragma once

// The small windows around the main window: the hidden helper window, the
// list of items a removal could not delete, the help launcher, the language
// chooser and the website launcher.

#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/timer.h"

namespace ui {

// An empty window that is loaded for the program's lifetime and never shown.
class FrmHidden : public Form {
public:
    explicit FrmHidden(FormContext& context);
};

// "Delete Failed": what a removal left behind.
class FrmDelete : public Form {
public:
    explicit FrmDelete(FormContext& context);

    Label* Label1;
    ListBox* lstProblem;
    Label* Label2;
    CommandButton* Command1;  // "Ok"
    CommandButton* Command2;  // "Copy List"
};

// The help launcher: a window without size whose load opens the help file.
class Form8 : public Form {
public:
    explicit Form8(FormContext& context);
};

// "Language Selection".
class FrmLanguage : public Form {
public:
    explicit FrmLanguage(FormContext& context);

    static constexpr const char* kChooseLanguage = "Choose Language Here";

    Label* lblChoose;
    ComboBox* Combo1;
    CommandButton* Command1;  // "Check for language updates"
    CommandButton* Command3;  // "Translate this program"
    CommandButton* Command2;  // "OK"
};

// Opens the website in the browser and closes itself a second later.
class FrmWebsite : public Form {
public:
    explicit FrmWebsite(FormContext& context);

    Timer* Timer1;
};

}  // namespace ui

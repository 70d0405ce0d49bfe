#pragma once

// The windows of Live Update: the download window that shows an update's
// progress, and the notice that reports its result.

#include "ui/form.h"
#include "ui/slide_position.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace ui {

// The download window: an animated message, two pictures that blink, the
// status lines of the transfer, and Cancel, which only closes the window.
class FrmDownload : public Form {
public:
    explicit FrmDownload(FormContext& context);

    TextBox* txtStatus;
    Label* lblProduct;
    Image* picUp;
    Image* picDown;
    Timer* tmrBlink;
    CommandButton* Command1;  // "Cancel"
    // The animation's step, from 0.
    std::int32_t animationStep = 0;
};

// The notice of an update's result, which slides in above the taskbar.
class FrmSignatureUpdated : public Form {
public:
    explicit FrmSignatureUpdated(FormContext& context);

    Label* lblUpdateInfo;
    Timer* tmrPopupSignatureUpdate;        // the rise
    Timer* tmrEnablePopDownTimer;          // the dwell, one tick
    Timer* tmrPopDown;                     // the fall
    CommandButton* cmdUpdateSuccesfullOK;  // "OK"
    SlidePosition slide;
};

}  // namespace ui

#pragma once

// The tray pop-up: a small borderless window that slides up above the
// taskbar when the tray icon is clicked, offers the program's two commands,
// and slides away by itself.

#include <cstdint>

#include "ui/form.h"
#include "ui/slide_position.h"
#include "ui/timer.h"

namespace ui {

class FrmMenuPopUp : public Form {
public:
    explicit FrmMenuPopUp(FormContext& context);

    Label* lblName;           // the product name
    Label* mnuMaxmimaize;     // "Show Program"
    Label* mnuClose;          // "Exit Program"
    Label* lblMenuClose;      // "Close This Menu"
    Timer* tmrMenuPopup;      // the rise
    Timer* TmrEnablePopDown;  // the dwell, one tick a second
    Timer* tmrPopDown;        // the fall

    // Dwell ticks since the pointer last moved over the window.
    std::int32_t lTimDown = 0;
    SlidePosition slide;
};

}  // namespace ui

#include "shell/menu_pop_up.h"

#include "core/application.h"
#include "shell/slide_in.h"

namespace shell {

namespace {

constexpr std::int32_t kRiseStep = 80;
constexpr std::int32_t kFallStep = 100;
// The dwell ends on its sixth tick without the pointer moving.
constexpr std::int32_t kDwellTicks = 5;
constexpr std::int32_t kEndLineAboveScreenBottom = 2000;

SlidingWindow Sliding(ui::FrmMenuPopUp& popUp) {
    return {popUp,     popUp.slide, *popUp.tmrMenuPopup, *popUp.TmrEnablePopDown, *popUp.tmrPopDown,
            kRiseStep, kFallStep};
}

// Which commands make sense: exit only while no long work holds the main
// window's pages, "Show Program" only while the main window is away.
void EnableCommands(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    ui::FrmMenuPopUp& popUp = app.frmMenuPopUp;
    popUp.mnuClose->SetEnabled(main.lblResult->Enabled() || main.lblOptions->Enabled());
    popUp.mnuMaxmimaize->SetEnabled(!main.Visible());
}

void frmMenuPopUp_Load(core::Application& app) {
    ui::FrmMenuPopUp& popUp = app.frmMenuPopUp;
    // 1.
    popUp.lblName->SetCaption(app.branding.ProgramName);
    popUp.SetCaption(app.branding.ProgramName);
    popUp.lTimDown = 0;
    popUp.tmrPopDown->SetEnabled(false);
    popUp.TmrEnablePopDown->SetEnabled(false);
    // 2.
    EnableCommands(app);
    // 3. to 7.
    PlaceAboveTaskbar(Sliding(popUp), app.ports.desktop);
}

void TmrEnablePopDown_Timer(ui::FrmMenuPopUp& popUp) {
    ++popUp.lTimDown;
    if (popUp.lTimDown > kDwellTicks) {
        popUp.lTimDown = 0;
        StartFall(Sliding(popUp));
    }
}

void tmrPopDown_Timer(ui::FrmMenuPopUp& popUp) {
    if (FallTick(Sliding(popUp), popUp.slide.screenHeight - kEndLineAboveScreenBottom)) {
        popUp.Unload();
    }
}

void lblMenuClose_Click(ui::FrmMenuPopUp& popUp) {
    popUp.TmrEnablePopDown->SetEnabled(false);
    popUp.tmrMenuPopup->SetEnabled(false);
    popUp.tmrPopDown->SetEnabled(true);
}

// Any movement of the pointer over the window starts the dwell again; only
// "Close This Menu" shows in bold while the pointer is over it.
void PointerMoved(ui::FrmMenuPopUp& popUp, const ui::Control* over) {
    popUp.lTimDown = 0;
    popUp.lblMenuClose->SetLook(over == popUp.lblMenuClose ? ui::Look::Strong : ui::Look::Normal);
}

}  // namespace

void ShowMenuPopUp(core::Application& app) {
    ui::FrmMenuPopUp& popUp = app.frmMenuPopUp;
    if (popUp.IsLoaded()) {
        // The main window may have come back since the pop-up was loaded.
        EnableCommands(app);
    }
    popUp.Show();
}

void AttachMenuPopUp(core::Application& app) {
    ui::FrmMenuPopUp& popUp = app.frmMenuPopUp;
    popUp.onLoad = [&app] {
        frmMenuPopUp_Load(app);
    };
    popUp.tmrMenuPopup->onTimer = [&popUp] {
        RiseTick(Sliding(popUp));
    };
    popUp.TmrEnablePopDown->onTimer = [&popUp] {
        TmrEnablePopDown_Timer(popUp);
    };
    popUp.tmrPopDown->onTimer = [&popUp] {
        tmrPopDown_Timer(popUp);
    };
    popUp.mnuMaxmimaize->onClick = [&app] {
        if (app.RestoreMainWindow) {
            app.RestoreMainWindow();
        }
        lblMenuClose_Click(app.frmMenuPopUp);
    };
    popUp.mnuClose->onClick = [&app] {
        if (app.ExitProgram) {
            app.ExitProgram();
        }
        lblMenuClose_Click(app.frmMenuPopUp);
    };
    popUp.lblMenuClose->onClick = [&popUp] {
        lblMenuClose_Click(popUp);
    };
    popUp.onMouseMove = [&popUp](const ui::MouseEvent&) {
        PointerMoved(popUp, nullptr);
    };
    for (const auto& control : popUp.Controls()) {
        const ui::Control* over = control.get();
        control->onMouseMove = [&popUp, over](const ui::MouseEvent&) {
            PointerMoved(popUp, over);
        };
    }
}

}  // namespace shell

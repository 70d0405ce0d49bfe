#include "shell/update_notice.h"

#include "core/application.h"
#include "shell/slide_in.h"

namespace shell {

namespace {

constexpr std::int32_t kRiseStep = 20;
constexpr std::int32_t kFallStep = 40;
constexpr std::int32_t kEndLine = 11167;

SlidingWindow Sliding(ui::FrmSignatureUpdated& notice) {
    return {notice,
            notice.slide,
            *notice.tmrPopupSignatureUpdate,
            *notice.tmrEnablePopDownTimer,
            *notice.tmrPopDown,
            kRiseStep,
            kFallStep};
}

}  // namespace

void AttachUpdateNotice(core::Application& app) {
    ui::FrmSignatureUpdated& notice = app.frmSignatureUpdated;
    notice.onLoad = [&app] {
        ui::FrmSignatureUpdated& window = app.frmSignatureUpdated;
        // A notice closed by OK during its dwell or fall left those timers
        // on; a new notice starts with its rise alone.
        window.tmrEnablePopDownTimer->SetEnabled(false);
        window.tmrPopDown->SetEnabled(false);
        PlaceAboveTaskbar(Sliding(window), app.ports.desktop);
    };
    notice.tmrPopupSignatureUpdate->onTimer = [&notice] {
        RiseTick(Sliding(notice));
    };
    notice.tmrEnablePopDownTimer->onTimer = [&notice] {
        StartFall(Sliding(notice));
    };
    notice.tmrPopDown->onTimer = [&notice] {
        if (FallTick(Sliding(notice), kEndLine)) {
            notice.cmdUpdateSuccesfullOK->Click();
        }
    };
}

}  // namespace shell

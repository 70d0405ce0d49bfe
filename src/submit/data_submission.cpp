#include "submit/data_submission.h"

#include "core/application.h"
#include "submit/manual_submission.h"
#include "submit/process_names.h"
#include "submit/send_data_consent.h"

namespace submit {

void AttachDataSubmission(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    app.SubmitAnonymousData = [&app] {
        SubmitProcessNames(app);
    };
    main.chkSendData->onUserChange = [&app] {
        chkSendData_UserChange(app);
    };
    main.cmdSubmit->onClick = [&app] {
        cmdSubmit_Click(app);
    };
    main.txtFilename->onKeyPress = [&app](int keyAscii) {
        txtFilename_KeyPress(app, keyAscii);
    };
}

}  // namespace submit

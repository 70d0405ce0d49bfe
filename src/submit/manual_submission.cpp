#include "submit/manual_submission.h"

#include "base/text.h"
#include "core/application.h"
#include "definitions/line_code.h"
#include "submit/submission_url.h"
#include "update/http_transfer.h"

namespace submit {

void cmdSubmit_Click(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    const std::string name = main.txtFilename->Text();
    const std::string answer = update::DownloadText(
        app.ports, SubmissionUrl(app, definitions::EncodeDefinitionLine(name) + "|"));
    // The server's word for a name it took, or already had.
    const bool received =
        base::ContainsIgnoreCase(answer, "Skipped") || base::ContainsIgnoreCase(answer, "Added");
    if (received) {
        main.Label26->SetCaption(app.Message("MSG_RESULTS") + " " + name + " " +
                                 app.Message("MSG_RESULTS_THANK"));
    } else {
        main.Label26->SetCaption(app.Message("MSG_RESULTS") + " " + app.Message("MSG_PROBLEM") +
                                 " " + name + ".  " + app.Message("MSG_PROBLEM2"));
    }
    main.txtFilename->SetText("");
}

void txtFilename_KeyPress(core::Application& app, int keyAscii) {
    if (keyAscii == 13) {
        cmdSubmit_Click(app);
    }
}

}  // namespace submit

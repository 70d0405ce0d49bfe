#include "removal/delete_failed.h"

#include <string>

#include "core/application.h"

namespace removal {

void CopyProblemList(core::Application& app) {
    std::string text;
    for (const std::string& path : app.frmDelete.lstProblem->Items()) {
        text.append(path).append("\r\n");
    }
    // A busy clipboard leaves the list where it is; the user can try again.
    [[maybe_unused]] const bool copied = app.ports.clipboard.SetText(text);
}

void AttachDeleteFailedWindow(core::Application& app) {
    app.frmDelete.Command1->onClick = [&app] {
        app.frmDelete.Hide();
    };
    app.frmDelete.Command2->onClick = [&app] {
        CopyProblemList(app);
    };
}

}  // namespace removal

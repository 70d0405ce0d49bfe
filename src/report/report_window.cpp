#include "report/report_window.h"

#include "base/text.h"
#include "core/application.h"
#include "core/file_predicates.h"
#include "core/text_lines.h"
#include "report/scan_report.h"

namespace report {

namespace {

void ShowReportWindow(core::Application& app) {
    ui::Label& label = *app.frmMain.lblViewLogFile;
    label.SetEnabled(false);
    app.frmReport.ShowModal();
    label.SetEnabled(true);
}

}  // namespace

void frmReport_Load(core::Application& app) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string path = ReportPath(app.DataFolder);
    // The file is double-spaced; its blank lines become the window's only
    // line breaks.
    std::string text;
    if (core::FileExists(fs, path)) {
        for (const std::string& line : core::ReadStoredTextLines(fs, app.ports.textCodec, path)
                                           .value_or(std::vector<std::string>{})) {
            if (base::Trim(line).empty()) {
                text.append("\r\n");
            } else {
                text.append(line);
            }
        }
    }
    app.frmReport.txtReport->SetText(std::move(text));
    app.frmReport.SetCaption(app.branding.ProgramName + " Log");
}

void cmdLog_Click(core::Application& app) {
    ShowReportWindow(app);
}

void lblViewLogFile_Click(core::Application& app) {
    ShowReportWindow(app);
}

void AttachReportWindow(core::Application& app) {
    app.frmReport.onLoad = [&app] {
        frmReport_Load(app);
    };
    app.frmReport.cmdOk->onClick = [&app] {
        app.frmReport.Unload();
    };
}

}  // namespace report

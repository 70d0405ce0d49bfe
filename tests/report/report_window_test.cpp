#include "report/report_window.h"

#include "report/scan_report.h"
#include "report_fixture.h"

namespace report {
namespace {

class ReportWindow : public testing::ReportFixture {
protected:
    // Opens the window through the Show Report label and returns what it
    // showed; the user closes it with OK.
    std::string ShowReport() {
        std::string shown;
        host.scripts["frmReport"] = [&](ui::Form&) {
            shown = app->frmReport.txtReport->Text();
            app->frmReport.cmdOk->Click();
        };
        Main().lblViewLogFile->Click();
        return shown;
    }
};

TEST_F(ReportWindow, ShowsTheDoubleSpacedFileSingleSpacedUnderTheProgramsName) {
    machine.fileSystem.AddFile(ReportFile(),
                               "\r\n\r\n   Title\r\n\r\nfirst\r\n  \r\nsecond\r\nthird\r\n");
    EXPECT_EQ(ShowReport(), "\r\n\r\n   Title\r\nfirst\r\nsecondthird");
    EXPECT_EQ(app->frmReport.Caption(), "Acme Sweeper Log");
}

TEST_F(ReportWindow, ReadsTheFileAfreshEachTimeAndOpensEmptyWithoutOne) {
    Finding("Evil Toolbar", "C:\\Evil\\evil.exe");
    MakeReport(*app);
    EXPECT_NE(ShowReport().find("[Threats Detected]\r\n\r\nEvil Toolbar\r\nC:\\Evil\\evil.exe\r\n"
                                "\r\nTotal = 1\r\n"),
              std::string::npos);
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->Clear();
    MakeReport(*app);
    EXPECT_NE(ShowReport().find("[Threats Detected]\r\n\r\nTotal = 0\r\n"), std::string::npos);
    machine.fileSystem.Remove(ReportFile());
    EXPECT_EQ(ShowReport(), "");
}

TEST_F(ReportWindow, TheShowReportLabelIsOffWhileTheWindowIsOpen) {
    std::vector<bool> labelEnabled;
    host.scripts["frmReport"] = [&](ui::Form&) {
        labelEnabled.push_back(Main().lblViewLogFile->Enabled());
        app->frmReport.cmdOk->Click();
        EXPECT_FALSE(app->frmReport.IsLoaded()) << "OK closes the window";
    };
    Main().lblViewLogFile->Click();
    Main().cmdLog->Click();
    Main().mnuFileItem[ui::FrmMain::kFileViewLog]->Click();
    EXPECT_EQ(host.modalWindows, (std::vector<std::string>(3, "frmReport")));
    EXPECT_EQ(labelEnabled, std::vector<bool>(3, false));
    EXPECT_TRUE(Main().lblViewLogFile->Enabled());
}

}  // namespace
}  // namespace report

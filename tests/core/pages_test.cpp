#include "core/pages.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "core/application.h"
#include "fakes/fake_platform.h"
#include "ui/tab_strip.h"

namespace core {
namespace {

class Pages : public ::testing::Test {
protected:
    Pages() {
        app::AttachProgram(app);
        app.Start();
        app.frmMain.Show();
    }

    std::vector<bool> Shown() {
        ui::FrmMain& main = app.frmMain;
        return {main.frmStatus->Visible(), main.frmScan->Visible(), main.frmResults->Visible(),
                main.frmOptions->Visible()};
    }

    fakes::FakePlatform machine;
    Application app{machine.ports};
};

TEST_F(Pages, EachPageButtonShowsItsPageAlone) {
    app.frmMain.cmdScan->Click();
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false, false}));
    app.frmMain.cmdResults->Click();
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true, false}));
    app.frmMain.cmdSettings->Click();
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false, true}));
    app.frmMain.cmdStatus->Click();
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(Pages, EachTabShowsTheFrameBeforeItsNumber) {
    app.frmMain.TabStrip1->SetSelectedTab(3);
    const auto& views = app.frmMain.frmView;
    EXPECT_FALSE(views[0]->Visible());
    EXPECT_FALSE(views[1]->Visible());
    EXPECT_TRUE(views[2]->Visible());
    EXPECT_FALSE(views[3]->Visible());
}

}  // namespace
}  // namespace core

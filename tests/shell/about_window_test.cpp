// The about window and the Help menu that leads to it.

#include "shell/about_window.h"

#include <string>

#include "app/app_fixture.h"

namespace shell {
namespace {

class AboutWindow : public core::testing::AppFixture {
protected:
    AboutWindow() {
        SetUserSetting("Settings", "Language", "English");
        SetUserSetting("Settings", "showHelp", "0");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
    }

    ui::FrmAbout& About() { return app->frmAbout; }
};

TEST_F(AboutWindow, TheHelpMenuShowsTheProductItsMakerVersionsAndWebsite) {
    Main().mnuHelpItem[ui::FrmMain::kHelpAbout]->Click();
    EXPECT_TRUE(About().Visible());
    EXPECT_EQ(About().Caption(), "About Acme Sweeper");
    EXPECT_EQ(About().lblProductName->Caption(), "Acme Sweeper");
    EXPECT_EQ(About().lblCompanyName->Caption(), "Acme Labs");
    EXPECT_EQ(About().lblVersion->Caption(), "2.5");
    EXPECT_EQ(About().lblWebsite->Caption(), "www.acme.example");
    const std::string sqlite = About().lblSqliteVersion->Caption();
    EXPECT_EQ(sqlite.rfind("SQLite 3.", 0), 0u) << sqlite;
    const std::string credit = About().lblDefinitionsCredit->Caption();
    EXPECT_NE(credit.find("chrome-mal-ids"), std::string::npos) << credit;
    EXPECT_NE(credit.find("CC BY 4.0"), std::string::npos) << credit;
}

TEST_F(AboutWindow, ABuildWithoutThePublishersKeySaysThatItsUpdatesAreNotChecked) {
    Main().mnuHelpItem[ui::FrmMain::kHelpAbout]->Click();
    EXPECT_EQ(About().lblUpdateKey->Caption(), app->Message("MSG_UPDATES_UNSIGNED"));
    EXPECT_FALSE(About().lblUpdateKey->Caption().empty());
    About().cmdOK->Click();

    app->PublisherKey = platform::P256PublicKey{};
    Main().mnuHelpItem[ui::FrmMain::kHelpAbout]->Click();
    EXPECT_EQ(About().lblUpdateKey->Caption(), "");
}

TEST_F(AboutWindow, ClickingTheWebsiteOpensItInTheBrowser) {
    Main().mnuHelpItem[ui::FrmMain::kHelpAbout]->Click();
    About().lblWebsite->Click();
    ASSERT_EQ(machine.shell.executed.size(), 1u);
    EXPECT_EQ(machine.shell.executed[0].file, "http://www.acme.example");
    About().cmdOK->Click();
    EXPECT_FALSE(About().IsLoaded());
}

TEST_F(AboutWindow, EveryUseOfHelpTopicsOpensTheHelpFile) {
    machine.fileSystem.AddFile("C:\\Program Files\\Scanner\\Help.chm", "");
    Main().mnuHelpItem[ui::FrmMain::kHelpContents]->Click();
    Main().mnuHelpItem[ui::FrmMain::kHelpContents]->Click();
    ASSERT_EQ(machine.shell.executed.size(), 2u);
    EXPECT_EQ(machine.shell.executed[1].file, "C:\\Program Files\\Scanner\\Help.chm");
    EXPECT_FALSE(app->form8.IsLoaded());
}

}  // namespace
}  // namespace shell

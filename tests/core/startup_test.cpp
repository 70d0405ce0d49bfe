#include "core/startup.h"

#include <gtest/gtest.h>

#include "core/application.h"
#include "core/user_settings.h"
#include "fakes/fake_platform.h"
#include "i18n/localization_text.h"
#include "ui/timer.h"

namespace core {
namespace {

using std::chrono::milliseconds;

class Startup : public ::testing::Test {
protected:
    std::optional<std::string> Setting(std::string_view section, std::string_view key) {
        return machine.registry.String(
            platform::RegistryRoot::CurrentUser,
            std::string(kUserSettingsRoot) + "\\Acme Sweeper\\" + std::string(section), key);
    }

    fakes::FakePlatform machine;
    Application app{machine.ports};
};

TEST_F(Startup, TheSplashCountsDownThenShowsTheMainWindow) {
    app.Start();
    EXPECT_TRUE(app.frmSplash.Visible());
    EXPECT_EQ(app.frmSplash.lblProductName->Caption(), "Acme Sweeper");
    machine.eventLoop.Advance(milliseconds(148));
    EXPECT_FALSE(app.frmMain.IsLoaded());
    machine.eventLoop.Advance(milliseconds(2));
    EXPECT_TRUE(app.frmMain.Visible());
    EXPECT_FALSE(app.frmSplash.Visible());
    EXPECT_FALSE(app.frmSplash.Timer2->Enabled());
}

TEST_F(Startup, TheDataFolderIsInTheRoamingApplicationDataFolder) {
    app.Start();
    app.frmMain.Show();
    EXPECT_EQ(app.DataFolder, "C:\\Users\\alice\\AppData\\Roaming\\AntiSpywareDAT");
}

TEST_F(Startup, AFirstStartStoresEnglishAndShowsTheBuiltInTexts) {
    app.Start();
    app.frmMain.Show();
    EXPECT_EQ(Setting("Settings", "Language"), "English");
    EXPECT_EQ(app.frmMain.Caption(), "Acme Sweeper by Acme Labs");
    EXPECT_EQ(app.frmMain.Label22->Caption(), "Welcome to Acme Sweeper");
    EXPECT_EQ(app.frmMain.frmStatus->Caption(), "Acme Sweeper Status");
    EXPECT_EQ(app.Message("MSG_SURE"), "Are you sure?");
}

TEST_F(Startup, TheMainWindowSpeaksTheSavedLanguage) {
    machine.fileSystem.AddFile(
        machine.programFile.folder + "\\Localization.txt",
        i18n::testing::LocalizationFile(
            {{"en", "English", {{"FRMMAIN_CMDSCAN", "Scan Now"}, {"MSG_SURE", "Sure?"}}},
             {"de",
              "Deutsch",
              {{"FRMMAIN_CMDSCAN",
                "Jetzt pr\xC3\xBC"
                "fen"},
               {"MSG_CAPTION", "[ProgramName] von [CompanyName]"}}}}));
    machine.registry.SetString(platform::RegistryRoot::CurrentUser,
                               std::string(kUserSettingsRoot) + "\\Acme Sweeper\\Settings",
                               "Language", "Deutsch");
    app.Start();
    app.frmMain.Show();
    EXPECT_EQ(app.frmMain.cmdScan->Caption(),
              "Jetzt pr\xFC"
              "fen");
    EXPECT_EQ(app.frmMain.Caption(), "Acme Sweeper von Acme Labs");
    EXPECT_EQ(Setting("Settings", "Language"), "Deutsch");
}

TEST_F(Startup, OnlyTheStatusPageShowsAtFirst) {
    app.Start();
    app.frmMain.Show();
    EXPECT_TRUE(app.frmMain.frmStatus->Visible());
    EXPECT_FALSE(app.frmMain.frmScan->Visible());
    EXPECT_FALSE(app.frmMain.frmResults->Visible());
    EXPECT_FALSE(app.frmMain.frmOptions->Visible());
}

TEST_F(Startup, ClosingTheMainWindowEndsTheProgram) {
    app.Start();
    app.frmMain.Show();
    app.frmMain.Unload(ui::UnloadMode::ControlMenu);
    EXPECT_TRUE(machine.eventLoop.quit);
    EXPECT_FALSE(app.frmSplash.IsLoaded());
}

}  // namespace
}  // namespace core

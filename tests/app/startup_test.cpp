#include "app/startup.h"

#include "app_fixture.h"
#include "i18n/localization_text.h"

namespace core {
namespace {

using std::chrono::milliseconds;

class Startup : public testing::AppFixture {
protected:
    Startup() {
        host.scripts["frmLanguage"] = [](ui::Form& form) {
            form.Find("Command2")->Click();
        };
    }

    int QuestionsTitled(std::string_view title) const {
        int count = 0;
        for (const auto& shown : machine.dialogs.shown) {
            count += shown.title == title ? 1 : 0;
        }
        return count;
    }
};

TEST_F(Startup, TheSplashCountsDownThenShowsTheMainWindow) {
    app->Start();
    EXPECT_TRUE(app->frmSplash.Visible());
    EXPECT_EQ(app->frmSplash.lblProductName->Caption(), "Acme Sweeper");
    machine.eventLoop.Advance(milliseconds(148));
    EXPECT_FALSE(Main().IsLoaded());
    machine.eventLoop.Advance(milliseconds(2));
    EXPECT_TRUE(Main().Visible());
    EXPECT_FALSE(app->frmSplash.Visible());
    EXPECT_FALSE(app->frmSplash.Timer2->Enabled());
}

TEST_F(Startup, AFirstStartOnACleanMachineShowsChooserHelpAndTheUpdateQuestion) {
    machine.fileSystem.AddFile(machine.programFile.folder + "\\Help.chm");
    machine.dialogs.answers = {platform::MessageAnswer::No};
    StartProgram();

    EXPECT_EQ(host.modalWindows, std::vector<std::string>{"frmLanguage"});
    ASSERT_EQ(machine.shell.executed.size(), 1u);
    EXPECT_EQ(machine.shell.executed[0].file, machine.programFile.folder + "\\Help.chm");
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    const auto& question = machine.dialogs.shown[0];
    EXPECT_EQ(question.title, "Update Now?");
    EXPECT_EQ(question.text,
              "Thank you for using Acme Sweeper!\r\n\r\nBecause this is the first time you have "
              "used Acme Sweeper we recommend running Live Update now to download the most recent "
              "adware and spyware definitions.\r\n\r\nWould you like to run Live Update now?");
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);

    // Answering No leaves the program running without definitions.
    EXPECT_TRUE(Main().Visible());
    EXPECT_EQ(Main().lblDefCount->Caption(), "0");
    EXPECT_EQ(Main().lblLastScan->Caption(), "Never");
    EXPECT_EQ(Main().lblLastFullScan->Caption(), "Never");
    EXPECT_EQ(UserSetting("Settings", "Language"), "English");
    EXPECT_EQ(UserSetting("Settings", "showHelp"), "0");
    EXPECT_EQ(MachineSetting("showHelp"), "0");
    EXPECT_EQ(MachineSetting("FirstTime"), "Yes");
}

TEST_F(Startup, YesToTheFirstRunQuestionRunsLiveUpdate) {
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    StartProgram();
    ASSERT_EQ(machine.http.requested.size(), 1u) << "the update asked the server for its date";
    EXPECT_NE(machine.http.requested[0].find("/asp/currentDateNEW.asp?"), std::string::npos);
}

TEST_F(Startup, ASecondStartShowsNoneOfTheFirstRunWindows) {
    machine.dialogs.answers = {platform::MessageAnswer::No};
    StartProgram();
    machine.dialogs.shown.clear();
    host.modalWindows.clear();
    machine.fileSystem.AddFile(machine.programFile.folder + "\\Help.chm");

    RunAgain();

    EXPECT_TRUE(host.modalWindows.empty());
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_TRUE(machine.shell.executed.empty()) << "no help on a second start";
    EXPECT_TRUE(Main().Visible());
}

TEST_F(Startup, ANewUserOnAMachineAlreadyUsedGetsChooserAndHelpButNoQuestion) {
    machine.dialogs.answers = {platform::MessageAnswer::No};
    StartProgram();
    // Another user: the per-user store is empty, the machine's is not.
    app.reset();
    ASSERT_EQ(machine.registry.DeleteTree(platform::RegistryRoot::CurrentUser, kUserSettingsRoot),
              0);
    machine.dialogs.shown.clear();
    host.modalWindows.clear();
    machine.fileSystem.AddFile(machine.programFile.folder + "\\Help.chm");

    NewRun();
    StartProgram();

    EXPECT_EQ(host.modalWindows, std::vector<std::string>{"frmLanguage"});
    EXPECT_EQ(machine.shell.executed.size(), 1u);
    EXPECT_EQ(QuestionsTitled("Update Now?"), 0);
}

TEST_F(Startup, TheDataFolderIsMadeWhenItIsMissing) {
    StartProgram();
    EXPECT_EQ(app->DataFolder, "C:\\Users\\alice\\AppData\\Roaming\\AntiSpywareDAT");
    EXPECT_TRUE(machine.fileSystem.DirectoryExists(app->DataFolder));
}

TEST_F(Startup, StagedCopiesReplaceTheirFilesExceptTheFolderDefinitions) {
    machine.fileSystem.AddFile(DataFile("RegistryDefinition.dat"), "old\r\n");
    machine.fileSystem.AddFile(DataFile("DLRegistryDefinition.dat"), "new1\r\nnew2\r\n");
    machine.fileSystem.AddFile(DataFile("DLBlockedCookies.dat"), "c\r\n");
    machine.fileSystem.AddFile(DataFile("DLDirectoryDefinition.dat"), "d\r\n");
    StartProgram();

    EXPECT_EQ(*machine.fileSystem.ReadWholeFile(DataFile("RegistryDefinition.dat")),
              "new1\r\nnew2\r\n");
    EXPECT_EQ(machine.fileSystem.Find(DataFile("DLRegistryDefinition.dat")), nullptr);
    EXPECT_NE(machine.fileSystem.Find(DataFile("BlockedCookies.dat")), nullptr);
    EXPECT_NE(machine.fileSystem.Find(DataFile("DLDirectoryDefinition.dat")), nullptr);
    EXPECT_EQ(machine.fileSystem.Find(DataFile("DirectoryDefinition.dat")), nullptr);
    EXPECT_EQ(app->TotalDefinitionLines, 3);
}

TEST_F(Startup, TheStatusPageShowsCountsDateAndVersion) {
    std::string lines;
    for (int i = 0; i < 1234; ++i) {
        lines += "x\r\n";
    }
    machine.fileSystem.AddFile(DataFile("FileDefinition.dat"), lines);
    machine.fileSystem.AddFile(DataFile("date.dat"), "12/1/2026 3:04:05 PM\r\n");
    SetUserSetting("Settings", "lblDefRemoved", "17");
    StartProgram();

    EXPECT_EQ(Main().lblDefCount->Caption(), "1,234");
    EXPECT_EQ(Main().lblDefVersion->Caption(), "12/1/2026 3:04:05 PM PST");
    EXPECT_EQ(Main().lblVersion->Caption(), "2.5");
    EXPECT_EQ(Main().lblDefRemoved->Caption(), "17");
    EXPECT_EQ(Main().lblLastUpdate->Caption(),
              "Signatures Last Updated On 12/1/2026 3:04:05 PM PST");
}

TEST_F(Startup, TheStatusPageShowsWhatIsStoredInTheFixedFormInTheUsersForms) {
    machine.localeFormats.profile = fakes::FakeLocaleFormats::Profile::Germany;
    std::string lines;
    for (int i = 0; i < 1234; ++i) {
        lines += "x\r\n";
    }
    machine.fileSystem.AddFile(DataFile("FileDefinition.dat"), lines);
    machine.fileSystem.AddFile(DataFile("date.dat"), "12/1/2026 3:04:05 PM\r\n");
    SetUserSetting("Settings", "lblLastScan", "12/8/2026 2:30:05 PM");
    StartProgram();

    EXPECT_EQ(Main().lblDefCount->Caption(), "1.234");
    EXPECT_EQ(Main().lblDefVersion->Caption(), "01.12.2026 15:04:05 PST");
    EXPECT_EQ(Main().lblLastUpdate->Caption(),
              "Signatures Last Updated On 01.12.2026 15:04:05 PST");
    EXPECT_EQ(Main().lblLastScan->Caption(), "08.12.2026 14:30:05");
    EXPECT_EQ(Main().lblLastFullScan->Caption(), "Never");
    EXPECT_EQ(*machine.fileSystem.ReadWholeFile(DataFile("date.dat")), "12/1/2026 3:04:05 PM\r\n");
    EXPECT_EQ(UserSetting("Settings", "lblLastScan"), "12/8/2026 2:30:05 PM");
}

TEST_F(Startup, WithoutADateFileTheDefaultDateShows) {
    StartProgram();
    EXPECT_EQ(Main().lblDefVersion->Caption(), "3/16/2006 12:00:00 AM PST");
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
    SetUserSetting("Settings", "Language", "Deutsch");
    StartProgram();
    EXPECT_EQ(Main().cmdScan->Caption(),
              "Jetzt pr\xFC"
              "fen");
    EXPECT_EQ(Main().Caption(), "Acme Sweeper von Acme Labs");
    EXPECT_TRUE(host.modalWindows.empty()) << "a saved language means no chooser";
}

TEST_F(Startup, BrandedCaptionsAndTheStatusPageShowAtTheEnd) {
    StartProgram();
    EXPECT_EQ(Main().Caption(), "Acme Sweeper by Acme Labs");
    EXPECT_EQ(Main().cmdWebsite->Caption(), "Visit www.acme.example");
    EXPECT_EQ(Main().Label22->Caption(), "Welcome to Acme Sweeper");
    EXPECT_EQ(Main().frmStatus->Caption(), "Acme Sweeper Status");
    EXPECT_TRUE(Main().frmStatus->Visible());
    EXPECT_FALSE(Main().frmOptions->Visible());
    EXPECT_FALSE(Main().shpCircle->Visible());
    EXPECT_TRUE(app->frmHidden.IsLoaded());
    EXPECT_TRUE(app->frmDelete.IsLoaded());
    EXPECT_FALSE(app->frmDelete.Visible());
    EXPECT_EQ(UserSetting("OptionAndSettings", "STATUS"), "RUNNING");
    EXPECT_EQ(UserSetting("OptionAndSettings", "RESTART"), "False");
}

TEST_F(Startup, ASecondInstanceEndsSilentlyBeforeShowingAnything) {
    SetUserSetting("Settings", "Language", "English");
    machine.programFile.previousInstance = true;
    StartProgram();
    EXPECT_TRUE(machine.eventLoop.quit);
    EXPECT_FALSE(Main().Visible());
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_FALSE(UserSetting("OptionAndSettings", "STATUS").has_value());
}

TEST_F(Startup, AutomaticUpdateStartsItsTimerWhenStoredAsOne) {
    StartProgram();
    EXPECT_TRUE(Main().timUpdate->Enabled()) << "the settings' load stored 1 before";
    SetUserSetting("OptionAndSettings", "chkAutomaticUpdate", "0");
    RunAgain();
    EXPECT_FALSE(Main().timUpdate->Enabled());
}

TEST_F(Startup, TheTimersFollowTheStoredShieldsAndSchedule) {
    SetUserSetting("OptionAndSettings", "optMemorySheildOn", "False");
    SetUserSetting("OptionAndSettings", "optMemorySheildOff", "True");
    StartProgram();
    // The window is shown in its normal state, which stops the scheduler and
    // the memory shield until the home page shield's next tick.
    EXPECT_TRUE(Main().tmrCheckHomePage->Enabled());
    EXPECT_FALSE(Main().tmrMemoryInspected->Enabled());
    EXPECT_FALSE(Main().tmrScheduler->Enabled());
    EXPECT_TRUE(Main().tmrScroll->Enabled());
}

}  // namespace
}  // namespace core

namespace core {
namespace {

class RefusedMachineStore : public testing::AppFixture {
protected:
    RefusedMachineStore() {
        SetUserSetting("Settings", "Language", "English");
        machine.registry.DenyAccess(platform::RegistryRoot::LocalMachine,
                                    MachineSettingsKey("Acme Labs", "Acme Sweeper", "Settings"),
                                    platform::reg_access::kSetValue);
    }
};

TEST_F(RefusedMachineStore, ARefusedWriteAsksAndIgnoreStopsTheQuestionForGood) {
    machine.dialogs.answers = {platform::MessageAnswer::Ignore, platform::MessageAnswer::No};
    StartProgram();
    ASSERT_GE(machine.dialogs.shown.size(), 1u);
    const auto& denied = machine.dialogs.shown[0];
    EXPECT_EQ(denied.title, "Permission Denied");
    EXPECT_EQ(denied.buttons, platform::MessageButtons::AbortRetryIgnore);
    EXPECT_EQ(denied.text.rfind("Acme Sweeper requires read/write access", 0), 0u);
    EXPECT_NE(denied.text.find(".\r\n\r\nIf you would like to prevent"), std::string::npos);
    EXPECT_EQ(UserSetting("Settings", "IgnorePermissionDeniedError"), "1");

    machine.dialogs.shown.clear();
    machine.dialogs.answers = {platform::MessageAnswer::No};
    RunAgain();
    for (const auto& shown : machine.dialogs.shown) {
        EXPECT_NE(shown.title, "Permission Denied");
    }
}

TEST_F(RefusedMachineStore, AbortEndsTheWriteAndStoresNothing) {
    machine.dialogs.answers = {platform::MessageAnswer::Abort, platform::MessageAnswer::No};
    StartProgram();
    EXPECT_FALSE(UserSetting("Settings", "IgnorePermissionDeniedError").has_value());
    EXPECT_FALSE(MachineSetting("FirstTime").has_value());
}

// A standard user under User Account Control, with the help file shipped.
class StandardUser : public Startup {
protected:
    StandardUser() {
        machine.ModelStandardUser();
        machine.fileSystem.AddFile(machine.programFile.folder + "\\Help.chm");
    }
};

TEST_F(StandardUser, InTheKeyTheSetupMadeTheFirstStartWritesWithoutAnErrorBox) {
    ModelInstalledForStandardUser();
    machine.dialogs.answers = {platform::MessageAnswer::No};
    StartProgram();
    EXPECT_EQ(QuestionsTitled("Permission Denied"), 0);
    EXPECT_EQ(QuestionsTitled("Update Now?"), 1);
    EXPECT_EQ(MachineSetting("FirstTime"), "Yes");
    EXPECT_EQ(MachineSetting("showHelp"), "0");

    machine.dialogs.shown.clear();
    RunAgain();
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(StandardUser, WhereTheMachineStoreRefusesEachQuestionComesOnceForTheUser) {
    // Abort to the refused help mark; the first-run mark is refused too.
    machine.dialogs.answers = {platform::MessageAnswer::Abort, platform::MessageAnswer::No};
    StartProgram();
    EXPECT_EQ(QuestionsTitled("Permission Denied"), 1);
    EXPECT_EQ(QuestionsTitled("Update Now?"), 1);
    EXPECT_FALSE(MachineSetting("FirstTime").has_value());

    machine.dialogs.shown.clear();
    RunAgain();
    Main().mnuHelpItem[ui::FrmMain::kHelpContents]->Click();
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_TRUE(Main().Visible());
}

}  // namespace
}  // namespace core

#include "core/run_at_startup.h"

#include "app/app_fixture.h"
#include "fakes/scripted_form_host.h"
#include "i18n/localization_text.h"
#include "startup_tool/run_at_startup_tool.h"

namespace core {
namespace {

using platform::RegistryRoot;

class RunAtStartup : public testing::AppFixture {
protected:
    RunAtStartup() {
        SetUserSetting("Settings", "Language", "English");
        machine.programFile.folder = "C:\\Program Files\\Acme Sweeper";
        machine.programFile.baseName = "Sweeper";
    }

    void StartOn(std::uint32_t majorVersion) {
        machine.osVersion.info.majorVersion = majorVersion;
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
        machine.dialogs.shown.clear();
    }

    std::optional<std::string> RunEntry() const {
        return machine.registry.String(RegistryRoot::LocalMachine, kRunKey, "Sweeper");
    }
};

TEST_F(RunAtStartup, BeforeVistaTickingWritesTheSettingAndAQuotedRunEntry) {
    StartOn(5);
    Main().chkRunAtStartup->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkRunAtStartup"), "1");
    EXPECT_EQ(RunEntry(), "\"C:\\Program Files\\Acme Sweeper\\Sweeper.exe\"");
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(RunAtStartup, UntickingDeletesOnlyThisProgramsEntry) {
    machine.registry.SetString(RegistryRoot::LocalMachine, kRunKey, "Other", "other.exe");
    StartOn(5);
    Main().chkRunAtStartup->UserToggle();
    Main().chkRunAtStartup->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkRunAtStartup"), "0");
    EXPECT_FALSE(RunEntry().has_value());
    EXPECT_EQ(machine.registry.String(RegistryRoot::LocalMachine, kRunKey, "Other"), "other.exe");
}

TEST_F(RunAtStartup, EveryStartRewritesTheEntryWhileTheSettingIsOne) {
    SetUserSetting("OptionAndSettings", "chkRunAtStartup", "1");
    StartOn(5);
    EXPECT_TRUE(RunEntry().has_value());
    ASSERT_EQ(machine.registry.DeleteTree(RegistryRoot::LocalMachine, kRunKey), 0);
    RunAgain();
    EXPECT_TRUE(RunEntry().has_value());
}

TEST_F(RunAtStartup, OnVistaAndLaterItExplainsTheToolAndWritesNothing) {
    // As a standard user, who may not write the machine's Run list.
    ModelInstalledForStandardUser();
    StartOn(6);
    machine.dialogs.answers = {platform::MessageAnswer::Ok, platform::MessageAnswer::Ok};
    Main().chkRunAtStartup->UserToggle();

    ASSERT_EQ(machine.dialogs.shown.size(), 2u);
    EXPECT_EQ(machine.dialogs.shown[0].title, "Vista Detected");
    EXPECT_EQ(machine.dialogs.shown[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(machine.dialogs.shown[1].title, "Startup Tool");
    EXPECT_NE(machine.dialogs.shown[1].text.find(".\r\n\r\nRight click"), std::string::npos);
    EXPECT_EQ(machine.shell.commandLines,
              std::vector<std::string>{"explorer C:\\Program Files\\Acme Sweeper"});
    EXPECT_FALSE(UserSetting("OptionAndSettings", "chkRunAtStartup").has_value());
    EXPECT_FALSE(RunEntry().has_value());
}

TEST_F(RunAtStartup, CancelOnVistaStopsAfterTheFirstQuestion) {
    StartOn(6);
    machine.dialogs.answers = {platform::MessageAnswer::Cancel};
    Main().chkRunAtStartup->UserToggle();
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_TRUE(machine.shell.commandLines.empty());
}

// The tool that the Vista branch sends the user to, beside the program that
// the setup installed and recorded.
class StartupTool : public ::testing::Test {
protected:
    static constexpr char kUninstallKey[] =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Acme Sweeper";

    StartupTool() {
        machine.programFile.folder = "C:\\Program Files\\Acme Sweeper";
        machine.programFile.baseName = "RunAtStartupTool";
        machine.fileSystem.AddFile("C:\\Program Files\\Acme Sweeper\\Sweeper.exe");
        machine.registry.SetString(RegistryRoot::LocalMachine, kUninstallKey, "InstallLocation",
                                   "C:\\Program Files\\Acme Sweeper");
        machine.registry.SetString(RegistryRoot::LocalMachine, kRunKey, "Other",
                                   "\"C:\\Tools\\other.exe\"");
        forms.SetHost(&host);
    }

    std::optional<std::string> RunEntry() const {
        return machine.registry.String(RegistryRoot::LocalMachine, kRunKey, "Sweeper");
    }
    std::optional<std::string> OtherEntry() const {
        return machine.registry.String(RegistryRoot::LocalMachine, kRunKey, "Other");
    }

    fakes::FakePlatform machine;
    fakes::ScriptedFormHost host;
    ui::FormContext forms{machine.eventLoop};
    std::optional<startup_tool::RunAtStartupTool> tool;

    ui::FrmRunAtStartupTool& Start() {
        tool.emplace(machine.ports, forms, "Sweeper");
        tool->Start();
        return tool->window;
    }
};

TEST_F(StartupTool, AddsAndRemovesTheQuotedEntryOfTheProgramAndNoOther) {
    ui::FrmRunAtStartupTool& window = Start();
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.Caption(), "Acme Sweeper Run at Startup");
    EXPECT_EQ(window.lblCommand->Caption(), "\"C:\\Program Files\\Acme Sweeper\\Sweeper.exe\"");
    EXPECT_EQ(window.lblState->Caption(), "Acme Sweeper is not in the Run at Startup list.");
    EXPECT_FALSE(window.cmdRemove->Enabled());

    window.cmdAdd->Click();
    EXPECT_EQ(RunEntry(), "\"C:\\Program Files\\Acme Sweeper\\Sweeper.exe\"");
    EXPECT_EQ(window.lblResult->Caption().rfind("Done: Acme Sweeper was added", 0), 0u);
    EXPECT_EQ(window.lblState->Caption(), "Acme Sweeper is in the Run at Startup list.");
    EXPECT_FALSE(window.cmdAdd->Enabled());

    window.cmdRemove->Click();
    EXPECT_FALSE(RunEntry().has_value());
    EXPECT_EQ(window.lblResult->Caption(),
              "Done: Acme Sweeper was removed from the Run at Startup list.");
    EXPECT_EQ(OtherEntry(), "\"C:\\Tools\\other.exe\"");

    window.cmdClose->Click();
    EXPECT_TRUE(machine.eventLoop.quit);
}

TEST_F(StartupTool, WithoutAdministratorRightsItSaysSoAndChangesNothing) {
    machine.registry.SetString(RegistryRoot::LocalMachine, kRunKey, "Sweeper", "old.exe");
    machine.registry.DenyAccess(RegistryRoot::LocalMachine, kRunKey,
                                platform::reg_access::kSetValue);
    ui::FrmRunAtStartupTool& window = Start();
    window.cmdAdd->Click();
    EXPECT_NE(window.lblResult->Caption().find("nothing was changed"), std::string::npos);
    window.lblResult->SetCaption("");
    window.cmdRemove->Click();
    EXPECT_NE(window.lblResult->Caption().find("nothing was changed"), std::string::npos);
    EXPECT_EQ(RunEntry(), "old.exe");
}

TEST_F(StartupTool, DoesNotAddAProgramThatIsNotBesideIt) {
    machine.fileSystem.Remove("C:\\Program Files\\Acme Sweeper\\Sweeper.exe");
    ui::FrmRunAtStartupTool& window = Start();
    window.cmdAdd->Click();
    EXPECT_FALSE(RunEntry().has_value());
    EXPECT_NE(window.lblResult->Caption().find("was not found"), std::string::npos);
}

// A copy of the tool beside another program of our name, started elevated,
// adds ours from the folder the setup recorded, never the one beside it.
TEST_F(StartupTool, TheProgramComesFromTheSetupsRecordNotFromTheToolsFolder) {
    machine.programFile.folder = "C:\\Users\\alice\\Downloads";
    machine.fileSystem.AddFile("C:\\Users\\alice\\Downloads\\Sweeper.exe", "other");
    ui::FrmRunAtStartupTool& window = Start();
    EXPECT_EQ(window.lblCommand->Caption(), "\"C:\\Program Files\\Acme Sweeper\\Sweeper.exe\"");
    window.cmdAdd->Click();
    EXPECT_EQ(RunEntry(), "\"C:\\Program Files\\Acme Sweeper\\Sweeper.exe\"");
}

TEST_F(StartupTool, WithoutTheSetupsRecordNothingIsAdded) {
    ASSERT_EQ(machine.registry.DeleteTree(RegistryRoot::LocalMachine, kUninstallKey),
              platform::reg_status::kOk);
    ui::FrmRunAtStartupTool& window = Start();
    window.cmdAdd->Click();
    EXPECT_FALSE(RunEntry().has_value());
    EXPECT_EQ(
        window.lblResult->Caption().rfind("Acme Sweeper is not installed on this computer", 0), 0u);
}

TEST_F(StartupTool, AFolderUsersCanChangeIsRefused) {
    for (const char* folder : {"C:\\Games\\Acme Sweeper", "C:\\Program Files\\Acme Sweeper"}) {
        machine.fileSystem.AddFile(std::string(folder) + "\\Sweeper.exe");
        machine.fileSystem.LetUsersWrite("C:\\Program Files\\Acme Sweeper");
        machine.registry.SetString(RegistryRoot::LocalMachine, kUninstallKey, "InstallLocation",
                                   folder);
        ui::FrmRunAtStartupTool& window = Start();
        window.cmdAdd->Click();
        EXPECT_FALSE(RunEntry().has_value()) << folder;
        EXPECT_NE(window.lblResult->Caption().find("users who are not administrators can change"),
                  std::string::npos)
            << folder;
    }
}

TEST_F(StartupTool, SpeaksTheLanguageTheUserChoseInTheProgram) {
    machine.registry.SetString(RegistryRoot::CurrentUser,
                               std::string(core::kUserSettingsRoot) + "\\Acme Sweeper\\Settings",
                               "Language", "Deutsch");
    machine.fileSystem.AddFile(
        "C:\\Program Files\\Acme Sweeper\\Localization.txt",
        i18n::testing::LocalizationFile(
            {{"en", "English", {}},
             {"de",
              "Deutsch",
              {{"FRMRUNATSTARTUPTOOL_CMDADD", "Aufnehmen"},
               {"MSG_STARTUP_OFF", "[ProgramName] startet nicht mit Windows."}}}}));
    ui::FrmRunAtStartupTool& window = Start();
    EXPECT_EQ(window.cmdAdd->Caption(), "Aufnehmen");
    EXPECT_EQ(window.lblState->Caption(), "Acme Sweeper startet nicht mit Windows.");
}

}  // namespace
}  // namespace core

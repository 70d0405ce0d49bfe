// The startup places' shield on the home page shield's tick: an entry that
// the rules judge suspicious, written while the program runs, is put to the
// user through the home page alert.

#include "shields/startup_shield.h"

#include "removal/quarantine_index.h"
#include "removal/quarantine_restore.h"
#include "shield_fixture.h"

namespace shields {
namespace {

using platform::RegistryRoot;

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kHosts[] = "C:\\Windows\\system32\\drivers\\etc\\hosts";
constexpr char kUpdater[] = "C:\\Users\\alice\\AppData\\Roaming\\Upd\\upd.exe";

class StartupShield : public testing::ShieldFixture {
protected:
    StartupShield() {
        SetUserSetting("OptionAndSettings", "Homepage", "http://start.example/");
        machine.fileSystem.AddFile(kUpdater, "MZ");
        machine.fileSystem.AddFile(kHosts, "127.0.0.1 localhost\r\n");
    }

    // Every question is recorded; `button` answers it, or none leaves it open.
    void AnswerWith(ui::CommandButton* ui::FrmHomePageChangedAlert::*button) {
        host.scripts["frmHomePageChangedAlert"] = [this, button](ui::Form&) {
            questions.push_back(app->frmHomePageChangedAlert.lblHomePageInfo->Caption());
            if (button != nullptr) {
                (app->frmHomePageChangedAlert.*button)->Click();
            }
        };
    }

    std::vector<std::string> questions;
};

TEST_F(StartupShield, ARunValueWrittenWhileRunningIsAskedAboutAndYesKeepsIt) {
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdYes);
    // Present at the start: the scan's to find, not a question.
    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Old", kUpdater);
    Start();
    Ticks(1);
    // A signed program's value in the program folders is no question.
    machine.fileSystem.AddFile("C:\\Program Files\\Zoom\\zoom.exe", "MZ");
    machine.fileOrigin.Sign("C:\\Program Files\\Zoom\\zoom.exe", "Zoom Inc.");
    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Zoom",
                               "\"C:\\Program Files\\Zoom\\zoom.exe\"");
    Ticks(2);
    EXPECT_TRUE(questions.empty());

    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Updater", kUpdater);
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Run Updater: Starts a program that is not validly signed"),
              std::string::npos)
        << questions[0];
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, kRun, "Updater"), kUpdater);
    EXPECT_EQ(StartPage(), "http://start.example/") << "Yes about an entry leaves the start page";
    Ticks(2);
    EXPECT_EQ(questions.size(), 1u) << "asked once";

    // Kept, it is no question after a restart.
    RunAgain();
    Ticks(1);
    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Updater", "");
    Ticks(1);
    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Updater", kUpdater);
    Ticks(1);
    EXPECT_EQ(questions.size(), 1u);
}

TEST_F(StartupShield, NoRemovesTheEntryThroughTheSaveFirstPathAndItCanComeBack) {
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    Start();
    Ticks(1);
    machine.registry.SetString(RegistryRoot::CurrentUser, kRun, "Updater", kUpdater);
    const std::string hosts = "127.0.0.1 localhost\r\n10.6.6.6 www.bank.example\r\n";
    machine.fileSystem.AddFile(kHosts, hosts);
    Ticks(1);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, kRun, "Updater"));
    EXPECT_EQ(machine.fileSystem.Find(kHosts)->content,
              "127.0.0.1 localhost\r\n# 10.6.6.6 www.bank.example\r\n");
    EXPECT_TRUE(machine.dialogs.shown.empty()) << "a removal that worked says nothing";

    for (const removal::QuarantineEntry& entry :
         removal::ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        EXPECT_EQ(removal::RestoreQuarantined(*app, entry, removal::RestorePlace::Original).outcome,
                  removal::RestoreOutcome::Restored);
    }
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, kRun, "Updater"), kUpdater);
    EXPECT_EQ(machine.fileSystem.Find(kHosts)->content, hosts);
}

TEST_F(StartupShield, AMachineEntryAStandardUserCannotRemoveIsSaidAndLeft) {
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    machine.ModelStandardUser();
    Start();
    Ticks(1);
    const std::string winlogon = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
    machine.registry.SetString(RegistryRoot::LocalMachine, winlogon, "Shell", kUpdater);
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(machine.registry.String(RegistryRoot::LocalMachine, winlogon, "Shell"), kUpdater);
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_NE(machine.dialogs.shown[0].text.find("Only an administrator can change this entry"),
              std::string::npos);
    EXPECT_TRUE(
        removal::ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder).empty());
}

}  // namespace
}  // namespace shields

// The browser policy shield on the home page shield's tick: a policy set
// while the program runs is put to the user through the home page alert.

#include "shields/browser_policy_shield.h"

#include "removal/quarantine_index.h"
#include "removal/reg_file.h"
#include "removal/removal_run.h"
#include "scan/scan_run.h"
#include "shield_fixture.h"

namespace shields {
namespace {

using platform::RegistryRoot;

constexpr std::string_view kChrome = "SOFTWARE\\Policies\\Google\\Chrome";
constexpr std::string_view kEdgeForcelist =
    "SOFTWARE\\Policies\\Microsoft\\Edge\\ExtensionInstallForcelist";

class BrowserPolicyShield : public testing::ShieldFixture {
protected:
    BrowserPolicyShield() {
        // The start page stays as the user wants it; only policies are asked about.
        SetUserSetting("OptionAndSettings", "Homepage", "http://start.example/");
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

    void SetPolicy(RegistryRoot root, std::string_view key, std::string_view name,
                   std::string_view value) {
        machine.registry.SetString(root, key, name, value);
    }
    std::optional<std::string> Policy(RegistryRoot root, std::string_view key,
                                      std::string_view name) const {
        return machine.registry.String(root, key, name);
    }

    std::vector<std::string> questions;
};

TEST_F(BrowserPolicyShield, ANewPolicyIsAskedAboutNamingTheBrowserAndItsValue) {
    AnswerWith(nullptr);
    Start();
    Ticks(1);
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://hijack.example/");
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Chrome start page set to http://hijack.example/"),
              std::string::npos)
        << questions[0];
    EXPECT_NE(questions[0].find(app->Message("MSG_SHIELD_POLICY_REMOVE")), std::string::npos);
    Ticks(3);
    EXPECT_EQ(questions.size(), 1u) << "an unanswered question is not asked every tick";
    EXPECT_EQ(Policy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation"),
              "http://hijack.example/");
}

TEST_F(BrowserPolicyShield, YesKeepsThePolicyAndItIsNotAskedAgainAfterARestart) {
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdYes);
    Start();
    Ticks(1);
    SetPolicy(RegistryRoot::CurrentUser, kEdgeForcelist, "1", "abcdef;https://u.example/");
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Edge forces extension abcdef"), std::string::npos);
    EXPECT_EQ(Policy(RegistryRoot::CurrentUser, kEdgeForcelist, "1"), "abcdef;https://u.example/");
    EXPECT_EQ(StartPage(), "http://start.example/") << "Yes about a policy leaves the start page";

    // The next run starts without it; the same policy set again is still kept.
    ASSERT_EQ(machine.registry.DeleteTree(RegistryRoot::CurrentUser, kEdgeForcelist), 0);
    RunAgain();
    Ticks(1);
    SetPolicy(RegistryRoot::CurrentUser, kEdgeForcelist, "1", "abcdef;https://u.example/");
    Ticks(2);
    EXPECT_EQ(questions.size(), 1u);

    // Another value in its place is a new question.
    SetPolicy(RegistryRoot::CurrentUser, kEdgeForcelist, "1", "zzzzzz;https://u.example/");
    Ticks(1);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_NE(questions[1].find("Edge forces extension zzzzzz"), std::string::npos);
}

TEST_F(BrowserPolicyShield, NoRemovesThePolicyAfterSavingARestorableCopy) {
    machine.Model64BitWindows();
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "PasswordManagerEnabled", "0");
    Start();
    Ticks(1);
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://hijack.example/");
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_FALSE(Policy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation"));
    EXPECT_EQ(Policy(RegistryRoot::LocalMachine, kChrome, "PasswordManagerEnabled"), "0");
    EXPECT_EQ(StartPage(), "http://start.example/");
    EXPECT_TRUE(machine.dialogs.shown.empty()) << "a removal that worked says nothing";

    const std::vector<removal::QuarantineEntry> entries =
        removal::LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind, removal::QuarantineKind::RegistryValue);
    EXPECT_EQ(entries[0].location, "HKEY_LOCAL_MACHINE\\" + std::string(kChrome));
    EXPECT_EQ(entries[0].valueName, "HomepageLocation");
    EXPECT_EQ(entries[0].threat, "Chrome start page set to http://hijack.example/");
    EXPECT_TRUE(removal::VerifySavedContent(machine.fileSystem, machine.hashing, app->DataFolder,
                                            entries[0]));
    const std::optional<std::vector<removal::RegFileKey>> copy = removal::ParseRegFile(
        machine.fileSystem.ReadWholeFile(DataFile("quarantine\\" + entries[0].storedName))
            .value_or(""),
        machine.textCodec);
    ASSERT_TRUE(copy && copy->size() == 1 && copy->front().values.size() == 1);
    EXPECT_EQ(copy->front().values[0].name, "HomepageLocation");

    // Set again with the same value after its removal, it is asked about and
    // saved again: the copy of the first removal does not stand for it.
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://hijack.example/");
    Ticks(1);
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_FALSE(Policy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation"));
    EXPECT_EQ(removal::LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder)
                  .size(),
              2u);
}

// After a scan's removal and after a restore from the quarantine the shield
// knows the policies as they are then: one set again with the same value is
// asked about, and one the user brought back is not.
TEST_F(BrowserPolicyShield, RemovalsAndRestoresUpdateWhatTheShieldKnows) {
    for (const char* name : {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
                             "BlockedCookies.dat", "DirectoryDefinition.dat"}) {
        machine.fileSystem.AddFile(DataFile(name), "");
    }
    SetUserSetting("OptionAndSettings", "chkScanCookies", "0");
    AnswerWith(nullptr);
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://hijack.example/");
    Start();
    Ticks(1);
    ui::FrmMain& main = app->frmMain;
    scan::cmdScanNow_Click(*app);
    ASSERT_EQ(main.lvwRegistryToBeDeleted->ItemCount(), 1);
    main.lvwRegistryToBeDeleted->SetChecked(0, true);
    main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->SetChecked(0, true);
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    removal::Command4_Click(*app);
    ASSERT_FALSE(Policy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation"));
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://hijack.example/");
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u) << "set again after the scan's removal";

    // Removed through the question, then brought back by the user.
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "NewTabPageLocation", "http://tab.example/");
    Ticks(1);
    ASSERT_FALSE(Policy(RegistryRoot::LocalMachine, kChrome, "NewTabPageLocation"));
    main.mnuQuarItem[ui::FrmMain::kQuarRestoreOrDelete]->Click();
    const std::vector<ui::QuarantineRow> rows = app->frmQuarantine.Rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        app->frmQuarantine.lvwItems->UserSetChecked(
            static_cast<int>(row), rows[row].whereFrom.find("NewTab") != std::string::npos);
    }
    host.scripts["frmRestoreQuestion"] = [](ui::Form& form) {
        auto& question = static_cast<ui::FrmRestoreQuestion&>(form);
        question.chkExclude->UserToggle();  // not excluded: only the shield's memory keeps quiet
        question.cmdYes->Click();
    };
    app->frmQuarantine.cmdRestore->Click();
    ASSERT_EQ(Policy(RegistryRoot::LocalMachine, kChrome, "NewTabPageLocation"),
              "http://tab.example/");
    const std::size_t asked = questions.size();
    Ticks(2);
    EXPECT_EQ(questions.size(), asked) << "the policy the user restored";
}

// The last value of a list policy goes with its key, which the browser would
// still take as a policy; the restore brings both back.
TEST_F(BrowserPolicyShield, TheLastValueOfAListGoesWithItsKeyAndComesBackWithIt) {
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    Start();
    Ticks(1);
    SetPolicy(RegistryRoot::CurrentUser, kEdgeForcelist, "1", "abcdef;https://u.example/");
    SetPolicy(RegistryRoot::CurrentUser, kEdgeForcelist, "2", "ghijkl;https://u.example/");
    const std::string settings = std::string(kChrome) + "\\ExtensionSettings";
    SetPolicy(RegistryRoot::CurrentUser, settings + "\\treeid", "installation_mode",
              "force_installed");
    Ticks(1);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, kEdgeForcelist));
    EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::CurrentUser, settings));

    app->frmMain.mnuQuarItem[ui::FrmMain::kQuarRestoreOrDelete]->Click();
    for (int row = 0; row < app->frmQuarantine.lvwItems->ItemCount(); ++row) {
        app->frmQuarantine.lvwItems->UserSetChecked(row, true);
    }
    host.scripts["frmRestoreQuestion"] = [](ui::Form& form) {
        static_cast<ui::FrmRestoreQuestion&>(form).cmdYes->Click();
    };
    app->frmQuarantine.cmdRestore->Click();
    EXPECT_EQ(Policy(RegistryRoot::CurrentUser, kEdgeForcelist, "1"), "abcdef;https://u.example/");
    EXPECT_EQ(Policy(RegistryRoot::CurrentUser, kEdgeForcelist, "2"), "ghijkl;https://u.example/");
    EXPECT_EQ(Policy(RegistryRoot::CurrentUser, settings + "\\treeid", "installation_mode"),
              "force_installed");
}

TEST_F(BrowserPolicyShield, ARemovalThatFailsSaysSoAndLeavesThePolicy) {
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    Start();
    Ticks(1);
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "NewTabPageLocation", "http://hijack.example/");
    // A standard user cannot delete the machine's policies.
    machine.ModelStandardUser();
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(Policy(RegistryRoot::LocalMachine, kChrome, "NewTabPageLocation"),
              "http://hijack.example/");
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_NE(machine.dialogs.shown[0].text.find("Chrome new tab page set to"), std::string::npos)
        << machine.dialogs.shown[0].text;
    EXPECT_EQ(machine.dialogs.shown[0].text.find("[Policy]"), std::string::npos);
    Ticks(2);
    EXPECT_EQ(questions.size(), 1u) << "not asked again until it changes";
}

TEST_F(BrowserPolicyShield, NothingIsAskedAboutPoliciesLeftAlone) {
    AnswerWith(nullptr);
    // Present before the start: the scan is where those are found.
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://old.example/");
    Start();
    Ticks(3);
    EXPECT_TRUE(questions.empty()) << "policies present at the start";

    // Excluded by its place and by its name, as the Exclude button writes both.
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"),
                               "HKEY_CURRENT_USER\\" + std::string(kEdgeForcelist) +
                                   "\\1\r\nbrave start page set to http://mine.example/\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    SetPolicy(RegistryRoot::CurrentUser, kEdgeForcelist, "1", "abc");
    SetPolicy(RegistryRoot::CurrentUser, "SOFTWARE\\Policies\\BraveSoftware\\Brave",
              "HomepageLocation", "http://mine.example/");
    Ticks(2);
    EXPECT_TRUE(questions.empty()) << "excluded policies";

    // The option off, a policy that comes meanwhile is taken as it is when
    // the option is on again.
    SetUserSetting("OptionAndSettings", "optBrowserShieldOn", "False");
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://while-off/");
    Ticks(2);
    SetUserSetting("OptionAndSettings", "optBrowserShieldOn", "True");
    Ticks(2);
    EXPECT_TRUE(questions.empty()) << "the option off";

    // A managed machine's policies are its administrators'.
    machine.deviceManagement.managed = true;
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://admin.example/");
    Ticks(2);
    EXPECT_TRUE(questions.empty()) << "a managed machine";

    // Neither is anything asked with the home page shield off, on whose tick this runs.
    machine.deviceManagement.managed = false;
    SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", "False");
    SetPolicy(RegistryRoot::LocalMachine, kChrome, "HomepageLocation", "http://late.example/");
    Ticks(2);
    EXPECT_TRUE(questions.empty()) << "the home page shield off";
}

// An extension installed while the program runs is asked about like a
// policy: No removes it with its settings entries, Yes keeps it for good; a
// tick that finds the settings files unchanged does not read them.
TEST_F(BrowserPolicyShield, ANewExtensionIsAskedAboutAndNoRemovesItYesKeepsIt) {
    const std::string profile =
        "C:\\Users\\alice\\AppData\\Local\\Google\\Chrome\\User Data\\Default";
    const std::string evil = "aaaabbbbccccddddeeeeffffgggghhhh";
    const std::string mine = "bbbbccccddddeeeeffffgggghhhhiiii";
    const auto install = [&](const std::vector<std::string>& ids) {
        std::string settings;
        for (const std::string& id : ids) {
            settings += (settings.empty() ? "\"" : ",\"") + id + "\":{\"location\":1}";
            machine.fileSystem.AddFile(profile + "\\Extensions\\" + id + "\\1.0_0\\manifest.json",
                                       "{\"name\": \"Ext " + id.substr(0, 4) + "\"}");
        }
        machine.fileSystem.AddFile(profile + "\\Secure Preferences",
                                   "{\"extensions\":{\"settings\":{" + settings + "}}}");
    };
    machine.fileSystem.AddFile(profile + "\\Preferences", "{}");
    install({});
    int settingsReads = 0;
    machine.fileSystem.beforeWholeRead = [&](std::string_view path) {
        settingsReads += path.ends_with("Preferences") ? 1 : 0;
    };
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    Start();
    Ticks(1);
    settingsReads = 0;
    Ticks(2);
    EXPECT_EQ(settingsReads, 0);

    install({evil});
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find("Ext aaaa (Chrome, Default)"), std::string::npos) << questions[0];
    EXPECT_FALSE(machine.fileSystem.DirectoryExists(profile + "\\Extensions\\" + evil));
    EXPECT_EQ(machine.fileSystem.ReadWholeFile(profile + "\\Secure Preferences"),
              "{\"extensions\":{\"settings\":{}}}");
    Ticks(2);
    EXPECT_EQ(questions.size(), 1u);

    AnswerWith(&ui::FrmHomePageChangedAlert::cmdYes);
    install({mine});
    Ticks(1);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_TRUE(machine.fileSystem.DirectoryExists(profile + "\\Extensions\\" + mine));
    RunAgain();
    Ticks(1);
    install({mine});
    Ticks(1);
    EXPECT_EQ(questions.size(), 2u) << "a kept extension is not asked about again";
}

}  // namespace
}  // namespace shields

#include "shields/home_page_shield.h"

#include "scan/scan_run.h"
#include "shield_fixture.h"

namespace shields {
namespace {

class HomePageShield : public testing::ShieldFixture {
protected:
    // The user answers the question with this button; without one the
    // question is left open until its close box ends it.
    void AnswerWith(ui::CommandButton* ui::FrmHomePageChangedAlert::*button) {
        host.scripts["frmHomePageChangedAlert"] = [this, button](ui::Form&) {
            questions.push_back(app->frmHomePageChangedAlert.lblHomePageInfo->Caption());
            (app->frmHomePageChangedAlert.*button)->Click();
        };
    }
    void AskedOnly() {
        host.scripts["frmHomePageChangedAlert"] = [this](ui::Form&) {
            questions.push_back(app->frmHomePageChangedAlert.lblHomePageInfo->Caption());
        };
    }
    int Questions() const {
        return static_cast<int>(std::count(host.modalWindows.begin(), host.modalWindows.end(),
                                           "frmHomePageChangedAlert"));
    }

    std::vector<std::string> questions;
};

TEST_F(HomePageShield, TheFirstTickAdoptsTheStartPageWithoutAsking) {
    Start();
    SetStartPage("http://first.example/");
    Ticks(1);
    EXPECT_EQ(RememberedPage(), "http://first.example/");
    EXPECT_EQ(Questions(), 0);
    Ticks(3);
    EXPECT_EQ(Questions(), 0) << "the same page again is no change";
}

TEST_F(HomePageShield, AChangedPageIsPutToTheUserWithBothPages) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetStartPage("http://theirs.example/");
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdYes);
    Start();
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0],
              app->branding.ProgramName +
                  " has detected that your Homepage has been changed.\r\n\r\n"
                  "Click YES to keep your homepage as:\r\nhttp://mine.example/\r\n\r\n"
                  "Click No to change your homepage to:\r\nhttp://theirs.example/");
    EXPECT_EQ(app->frmHomePageChangedAlert.lblFrmHomePageProductName->Caption(),
              app->branding.ProgramName);
}

TEST_F(HomePageShield, YesWritesTheRememberedPageBack) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetStartPage("http://theirs.example/");
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdYes);
    Start();
    Ticks(1);
    EXPECT_EQ(StartPage(), "http://mine.example/");
    EXPECT_EQ(
        machine.registry.Value(platform::RegistryRoot::CurrentUser, kStartPageKey, kStartPageValue)
            ->type,
        platform::reg_type::kString);
    EXPECT_EQ(RememberedPage(), "http://mine.example/");
    EXPECT_FALSE(app->frmHomePageChangedAlert.IsLoaded());
    Ticks(2);
    EXPECT_EQ(Questions(), 1) << "the pages agree again";
}

TEST_F(HomePageShield, NoMakesTheNewPageTheRememberedOne) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetStartPage("http://theirs.example/");
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdNO);
    Start();
    Ticks(1);
    EXPECT_EQ(StartPage(), "http://theirs.example/");
    EXPECT_EQ(RememberedPage(), "http://theirs.example/");
    Ticks(2);
    EXPECT_EQ(Questions(), 1);
}

TEST_F(HomePageShield, ClosingTheQuestionDecidesNothingAndItIsAskedAgain) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetStartPage("http://theirs.example/");
    AskedOnly();
    Start();
    Ticks(2);
    EXPECT_EQ(Questions(), 2);
    EXPECT_EQ(StartPage(), "http://theirs.example/");
    EXPECT_EQ(RememberedPage(), "http://mine.example/");
}

TEST_F(HomePageShield, APageThatDiffersOnlyInLetterCaseHasChanged) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetStartPage("http://MINE.example/");
    AskedOnly();
    Start();
    Ticks(1);
    EXPECT_EQ(Questions(), 1);
}

TEST_F(HomePageShield, SilentRestoreWritesThePageBackWithinFiveSecondsWithoutAWindow) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetUserSetting("OptionAndSettings", "optAlwaysnotifybeforerestoring", "False");
    SetUserSetting("OptionAndSettings", "optRestoredefaultwithoutnotification", "True");
    Start();
    SetStartPage("http://theirs.example/");
    Ticks(1);
    EXPECT_EQ(StartPage(), "http://mine.example/");
    EXPECT_EQ(Questions(), 0);
    EXPECT_FALSE(app->frmHomePageChangedAlert.IsLoaded());
}

TEST_F(HomePageShield, WithBothBehavioursOffDifferencesAreIgnored) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetUserSetting("OptionAndSettings", "optAlwaysnotifybeforerestoring", "False");
    SetUserSetting("OptionAndSettings", "optRestoredefaultwithoutnotification", "False");
    SetStartPage("http://theirs.example/");
    Start();
    Ticks(3);
    EXPECT_EQ(StartPage(), "http://theirs.example/");
    EXPECT_EQ(RememberedPage(), "http://mine.example/");
    EXPECT_EQ(Questions(), 0);
}

TEST_F(HomePageShield, AnUnreadableStartPageCountsAsEmptyAndIsAskedAbout) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    Start();
    // The value goes away; the key stays.
    platform::RegistryOpenResult key =
        machine.registry.OpenKey(platform::RegistryRoot::CurrentUser, kStartPageKey, 0x3F);
    ASSERT_EQ(key.key->DeleteValue(kStartPageValue), 0);
    AnswerWith(&ui::FrmHomePageChangedAlert::cmdYes);
    Ticks(1);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].ends_with("Click No to change your homepage to:\r\n"));
    EXPECT_EQ(StartPage(), "http://mine.example/") << "Yes writes it back into the key";
}

TEST_F(HomePageShield, EveryTickStopsTheBackgroundTimersAndStartsThemByTheSettings) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
    SetStartPage("http://theirs.example/");
    std::vector<bool> runningDuringQuestion;
    host.scripts["frmHomePageChangedAlert"] = [this, &runningDuringQuestion](ui::Form&) {
        for (const ui::Timer* timer : {Main().tmrCheckHomePage, Main().tmrMemoryInspected,
                                       Main().tmrScheduler, Main().tmrTimeOut}) {
            runningDuringQuestion.push_back(timer->Enabled());
        }
        app->frmHomePageChangedAlert.cmdNO->Click();
    };
    Start();
    // The end of a scan starts the time-out timer again.
    Main().tmrTimeOut->SetEnabled(true);
    Ticks(1);
    EXPECT_EQ(runningDuringQuestion, (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(Main().tmrCheckHomePage->Enabled());
    EXPECT_TRUE(Main().tmrMemoryInspected->Enabled());
    EXPECT_TRUE(Main().tmrScheduler->Enabled());
    EXPECT_FALSE(Main().tmrTimeOut->Enabled()) << "no setting starts the time-out timer";
}

TEST_F(HomePageShield, EveryThirdTickRunsTheMemoryShield) {
    // The system's process list shows whenever a memory pass has run.
    machine.processes.Add(10, "C:\\Apps\\TOOL.EXE");
    Start();
    Main().lblTotalNoOfRunningItems->SetCaption("");
    Ticks(2);
    EXPECT_EQ(Main().lblTotalNoOfRunningItems->Caption(), "")
        << "each tick restarts the memory shield's own timer before it is due";
    Ticks(1);
    EXPECT_EQ(Main().lblTotalNoOfRunningItems->Caption(), "1");
    EXPECT_EQ(app->shields.HomePageTicks, 0);
    Main().lblTotalNoOfRunningItems->SetCaption("");
    Ticks(2);
    EXPECT_EQ(Main().lblTotalNoOfRunningItems->Caption(), "");
    Ticks(1);
    EXPECT_EQ(Main().lblTotalNoOfRunningItems->Caption(), "1");
}

TEST_F(HomePageShield, SwitchedOffInTheSettingsTheNextTickStopsItsTimerForGood) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    AskedOnly();
    Start();
    SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", "False");
    SetStartPage("http://theirs.example/");
    Ticks(1);
    EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
    EXPECT_EQ(app->shields.HomePageTicks, 1);
    Ticks(20);
    EXPECT_EQ(app->shields.HomePageTicks, 1) << "no further ticks";
    EXPECT_EQ(Questions(), 0);
}

TEST_F(HomePageShield, NoTickRunsDuringAScan) {
    SetUserSetting("OptionAndSettings", "Homepage", "http://mine.example/");
    for (const char* name : {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
                             "BlockedCookies.dat", "DirectoryDefinition.dat"}) {
        machine.fileSystem.AddFile(DataFile(name), "");
    }
    ExeDefinitions({"TOOL.EXE=x|C:\\Apps", "OTHER.EXE=x|C:\\Apps"});
    AskedOnly();
    Start();
    SetStartPage("http://theirs.example/");
    bool acted = false;
    machine.eventLoop.onYield = [&] {
        if (acted || Main().cmdScan->Enabled()) {
            return;
        }
        acted = true;
        // Midway through the scan the user switches both shields on again.
        Main().optIEHomePageSheildOff->SetValue(true);
        Main().optIEHomePageSheildOn->SetValue(true);
        Main().chkAutoProtect->UserToggle();
        Main().chkAutoProtect->UserToggle();
        ASSERT_TRUE(Main().tmrCheckHomePage->Enabled());
        machine.eventLoop.Advance(std::chrono::seconds(30));
        EXPECT_EQ(Questions(), 0);
        EXPECT_EQ(app->shields.HomePageTicks, 0);
    };
    scan::cmdScanNow_Click(*app);
    ASSERT_TRUE(acted);
    EXPECT_EQ(Questions(), 0);
    Ticks(1);
    EXPECT_EQ(Questions(), 1) << "the shield goes on once the scan is over";
}

}  // namespace
}  // namespace shields

#include "shields/memory_shield.h"

#include "shield_fixture.h"

namespace shields {
namespace {

class MemoryShield : public testing::ShieldFixture {
protected:
    enum class Answer { Stop, Allow, Close };

    MemoryShield() {
        SetUserSetting("OptionAndSettings", "Homepage", "http://start.example/");
        Start();
        // The user answers each alert as it comes, while the pass waits.
        machine.eventLoop.onYield = [this] {
            ui::FrmSpywareFoundAlert& alert = app->frmSpywareFoundAlert;
            // Each alert is answered once; the answer itself may yield.
            if (!alert.Visible() || answering) {
                return;
            }
            answering = true;
            stopOffered.push_back(alert.cmdYes->Enabled());
            alerts.push_back(alert.lblAlertFileName->Caption() + " / " +
                             alert.lblAlertCompanyName->Caption());
            switch (answer) {
                case Answer::Stop:
                    alert.cmdYes->Click();
                    break;
                case Answer::Allow:
                    alert.cmdNO->Click();
                    break;
                case Answer::Close:
                    alert.Unload(ui::UnloadMode::ControlMenu);
                    break;
            }
            answering = false;
        };
    }

    void Tick() { Main().tmrMemoryInspected->Tick(); }
    bool Running(std::uint32_t id) { return machine.processes.Find(id)->running; }
    std::optional<std::string> ExclusionFile() {
        return machine.fileSystem.ReadWholeFile(DataFile("ENoSignature.dat"));
    }

    Answer answer = Answer::Stop;
    bool answering = false;
    std::vector<bool> stopOffered;
    std::vector<std::string> alerts;
};

TEST_F(MemoryShield, AListedProgramIsPutToTheUserWithItsNameAndCompany) {
    machine.fileSystem.AddFile(
        "C:\\Apps\\evil.exe",
        std::string("plain StringFileInfo CompanyName\0Evil Soft Inc\0\0\0", 49));
    machine.processes.Add(100, "C:\\Apps\\evil.exe");
    machine.processes.Add(101, "C:\\Apps\\nameless.exe");
    ExeDefinitions({"evil.exe=Evil|C:\\Apps", "nameless.exe=N|C:\\Apps"});
    answer = Answer::Allow;
    Tick();
    EXPECT_EQ(alerts, (std::vector<std::string>{
                          "EVIL.EXE / EVIL SOFT INC",
                          "NAMELESS.EXE / No Company name available for NAMELESS.EXE"}));
    EXPECT_EQ(app->frmSpywareFoundAlert.lblProductName->Caption(), "Malicious Program Found");
}

TEST_F(MemoryShield, SwitchedOffItDoesNothing) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    SetUserSetting("OptionAndSettings", "optMemorySheildOn", "False");
    Tick();
    Ticks(6);
    EXPECT_TRUE(alerts.empty());
    EXPECT_TRUE(Running(100));
}

TEST_F(MemoryShield, AllowExcludesTheProgramAndTheNextPassListsItAsExcluded) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    answer = Answer::Allow;
    Tick();
    EXPECT_EQ(alerts.size(), 1u);
    EXPECT_EQ(ExclusionFile(), "EVIL.EXE\r\n");
    EXPECT_TRUE(Running(100));
    EXPECT_TRUE(FoundRows().empty());
    Tick();
    EXPECT_EQ(alerts.size(), 1u) << "no second alert";
    EXPECT_EQ(FoundRows(), std::vector<std::string>{"EXCLUDED: EVIL.EXE"});
}

TEST_F(MemoryShield, StopEndsTheProgram) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    Tick();
    EXPECT_EQ(alerts.size(), 1u);
    EXPECT_FALSE(Running(100));
    EXPECT_TRUE(machine.dialogs.shown.empty());
    EXPECT_FALSE(ExclusionFile());
    EXPECT_FALSE(app->frmSpywareFoundAlert.IsLoaded());
}

TEST_F(MemoryShield, AStopThePlatformRefusesIsReportedAndAskedAgainNextTime) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE").refusesToEnd = true;
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    Tick();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text,
              "EVIL.EXE Could not be stopped.  You should try again after saving your work and "
              "closing any open applications.");
    EXPECT_EQ(machine.dialogs.shown[0].title, app->branding.ProgramName);
    EXPECT_EQ(machine.dialogs.shown[0].icon, platform::MessageIcon::Information);
    EXPECT_TRUE(Running(100));
    Tick();
    EXPECT_EQ(alerts.size(), 2u);
    EXPECT_EQ(stopOffered, (std::vector<bool>{true, true})) << "a new alert can stop again";
}

TEST_F(MemoryShield, AStopOfAProgramThatCannotBeOpenedIsReportedNotTakenForDone) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE").refusesToBeHeld = true;
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    Tick();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_TRUE(machine.dialogs.shown[0].text.starts_with("EVIL.EXE Could not be stopped."));
    EXPECT_TRUE(Running(100));
}

TEST_F(MemoryShield, StopEndsTheProcessThatWasFoundNotAnotherOfTheSameName) {
    // The system's program of that name is listed first; the threat borrowed it.
    machine.processes.Add(4, "C:\\Windows\\system32\\svchost.exe");
    machine.processes.Add(200, "C:\\Users\\alice\\AppData\\svchost.exe");
    ExeDefinitions({"svchost.exe=Fake host|C:\\Users\\alice\\AppData"});
    Tick();
    EXPECT_EQ(alerts.size(), 1u);
    EXPECT_TRUE(Running(4));
    EXPECT_FALSE(Running(200));
}

TEST_F(MemoryShield, StopLeavesAloneAProcessThatTookTheFoundOnesIdWhileTheAlertWaited) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    machine.eventLoop.onYield = [this] {
        ui::FrmSpywareFoundAlert& alert = app->frmSpywareFoundAlert;
        if (!alert.Visible() || answering) {
            return;
        }
        answering = true;
        // The program exits while the user reads; another gets its id.
        machine.processes.Find(100)->running = false;
        machine.processes.Add(100, "C:\\Users\\alice\\letter.exe");
        alert.cmdYes->Click();
        answering = false;
    };
    Tick();
    EXPECT_TRUE(Running(100)) << "the newcomer runs on";
    EXPECT_TRUE(machine.dialogs.shown.empty()) << "the program found has ended";
}

TEST_F(MemoryShield, TwoProgramsGiveTwoAlertsInTurnWithinOnePass) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    machine.processes.Add(101, "C:\\Apps\\WORSE.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps", "WORSE.EXE=Worse|C:\\Apps"});
    Tick();
    ASSERT_EQ(alerts.size(), 2u);
    EXPECT_TRUE(alerts[0].starts_with("EVIL.EXE"));
    EXPECT_TRUE(alerts[1].starts_with("WORSE.EXE"));
    EXPECT_FALSE(Running(100));
    EXPECT_FALSE(Running(101));
}

TEST_F(MemoryShield, TheVendorsProgramsNeverAlert) {
    machine.fileSystem.AddFile(
        "C:\\Apps\\VENDOR.EXE",
        std::string("plain StringFileInfo CompanyName\0Microsoft Corporation\0\0\0", 57));
    machine.processes.Add(51, "C:\\Apps\\VENDOR.EXE");
    ExeDefinitions({"VENDOR.EXE=V|C:\\Apps"});
    Tick();
    Ticks(3);
    EXPECT_TRUE(alerts.empty());
    EXPECT_TRUE(Running(51));
}

TEST_F(MemoryShield, AStoppedScanDoesNotSilenceTheShield) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    // The first line is the 9x form, the second the NT one.
    ExeDefinitions({"C:\\Apps\\EVIL.EXE", "EVIL.EXE=Evil|C:\\Apps"});
    // A stopped scan leaves its stop flag raised until the next scan.
    app->scan.ScanStopRequested = true;
    Tick();
    EXPECT_EQ(alerts.size(), 1u);
    EXPECT_FALSE(Running(100));
    // The 9x pass asks in a message box.
    machine.osVersion.info.platformId = platform::kPlatformWin32Windows;
    machine.processes.Add(101, "C:\\Apps\\EVIL.EXE");
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    Tick();
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_FALSE(Running(101));
}

TEST_F(MemoryShield, ClosingTheAlertNeitherStopsNorAllowsAndItIsAskedAgain) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    answer = Answer::Close;
    Tick();
    EXPECT_EQ(alerts.size(), 1u) << "the pass went on past the closed window";
    EXPECT_TRUE(Running(100));
    EXPECT_FALSE(ExclusionFile());
    EXPECT_FALSE(app->shields.AlertAnswered);
    EXPECT_TRUE(Main().tmrMemoryInspected->Enabled()) << "the timers are back on";
    Tick();
    EXPECT_EQ(alerts.size(), 2u);
}

TEST_F(MemoryShield, AfterTheProgramEndsDuringAnAlertNoFurtherAlertComesUp) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    machine.processes.Add(101, "C:\\Apps\\WORSE.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps", "WORSE.EXE=Worse|C:\\Apps"});
    machine.eventLoop.onYield = [this] {
        if (app->frmSpywareFoundAlert.Visible()) {
            alerts.push_back(app->frmSpywareFoundAlert.lblAlertFileName->Caption());
            app->EndProcess();
        }
    };
    Tick();
    EXPECT_EQ(alerts, std::vector<std::string>{"EVIL.EXE"});
    EXPECT_TRUE(Running(100));
    EXPECT_TRUE(Running(101));
}

TEST_F(MemoryShield, WhileAnAlertWaitsTheTimersAreOffAndNoSecondPassStarts) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    bool checked = false;
    machine.eventLoop.onYield = [&] {
        ui::FrmSpywareFoundAlert& alert = app->frmSpywareFoundAlert;
        if (!alert.Visible() || checked) {
            return;
        }
        checked = true;
        alerts.push_back(alert.lblAlertFileName->Caption());
        EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
        EXPECT_FALSE(Main().tmrMemoryInspected->Enabled());
        // The user switches the memory shield on again from the main window
        // while the alert waits: its timer starts, but its ticks wait for the
        // answer.
        Main().optMemorySheildOff->SetValue(true);
        Main().optMemorySheildOn->SetValue(true);
        machine.eventLoop.Advance(std::chrono::seconds(30));
        EXPECT_EQ(alerts.size(), 1u);
        alert.cmdYes->Click();
    };
    Tick();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Running(100));
}

TEST_F(MemoryShield, ThePassRunsThroughTheHomePageShieldEveryFifteenSeconds) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    ExeDefinitions({"EVIL.EXE=Evil|C:\\Apps"});
    answer = Answer::Allow;
    Ticks(2);
    EXPECT_TRUE(alerts.empty());
    Ticks(1);
    EXPECT_EQ(alerts.size(), 1u);
    EXPECT_EQ(ExclusionFile(), "EVIL.EXE\r\n");
}

}  // namespace
}  // namespace shields

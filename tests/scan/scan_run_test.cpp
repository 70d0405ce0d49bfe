#include "scan/scan_run.h"

#include "scan/finding_lists.h"
#include "scan/scan_progress.h"
#include "scan_fixture.h"

namespace scan {
namespace {

class ScanRun : public testing::ScanFixture {
protected:
    // Definitions of many harmless records, enough for several display
    // refreshes.
    void ManyAbsentFiles(int count) {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            lines.push_back("absent" + std::to_string(i) + ".dll=Absent|C:\\Nowhere");
        }
        Definitions("FileDefinition.dat", lines);
    }
};

TEST_F(ScanRun, AFinishedRunShowsItsResultsAndRecordsItsTime) {
    machine.clock.now = {2026, 12, 8, 14, 30, 5, 2};
    machine.fileSystem.AddFile("C:\\Evil\\evil.exe");
    Definitions("FileDefinition.dat", {"evil.exe=Evil|C:\\Evil"});
    Scan();
    EXPECT_EQ(Caption(Main().lblStatus0), "Scanning complete.");
    EXPECT_EQ(Main().pb1->Value(), 100);
    EXPECT_EQ(Main().pb2->Value(), 100);
    EXPECT_EQ(UserSetting("Settings", "lblLastScan"), "12/8/2026 2:30:05 PM");
    EXPECT_FALSE(UserSetting("Settings", "lblLastFullScan").has_value()) << "a quick scan";
    EXPECT_EQ(Main().lblLastScan->Caption(), "12/8/2026 2:30:05 PM");
    EXPECT_TRUE(Main().cmdScanNow->Enabled());
    EXPECT_FALSE(Main().cmdStop->Enabled());
    EXPECT_TRUE(Main().cmdRemove->Visible());
    EXPECT_TRUE(Main().tmrTimeOut->Enabled());
}

TEST_F(ScanRun, AShortRunShowsItsFinalCountersOnce) {
    ManyAbsentFiles(7);
    Scan();
    EXPECT_EQ(Caption(Main().lblFilesFolderInspected), "7");
}

TEST_F(ScanRun, TheDisplayRefreshesOnEveryHundredthCall) {
    int refreshes = 0;
    std::string last;
    machine.eventLoop.onYield = [&] {
        if (Main().lblStatus0->Caption() != last) {
            last = Main().lblStatus0->Caption();
            ++refreshes;
        }
    };
    ManyAbsentFiles(250);
    Scan();
    EXPECT_EQ(refreshes, 2 + 1) << "two refreshes of the file phase, then the final status";
}

TEST_F(ScanRun, ACompleteScanRecordsTheCompleteScanToo) {
    Main().optScanAllSelectedHardDrive->SetValue(true);
    Scan();
    EXPECT_TRUE(UserSetting("Settings", "lblLastFullScan").has_value());
}

TEST_F(ScanRun, MissingDefinitionsEndTheRunButItIsStillRecorded) {
    Definitions("FileDefinition.dat", {"a.dll=A|C:\\A", "b.dll=B|C:\\B"});
    machine.fileSystem.Remove(DataFile("DirectoryDefinition.dat"));
    Scan();
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text,
              "Definition files are missing or they have been corrupted. Please run Live Update.");
    EXPECT_EQ(machine.dialogs.shown[0].title, "Acme Sweeper");
    EXPECT_TRUE(UserSetting("Settings", "lblLastScan").has_value());
    EXPECT_EQ(machine.fileSystem.Find(DataFile("FileDefinition.dat")), nullptr);
    EXPECT_TRUE(Main().cmdScanNow->Enabled());
    EXPECT_EQ(Main().lblDefVersion->Caption(), "Files Missing, Run Live Update")
        << "the refreshed status page still says so";
    EXPECT_EQ(Main().lblDefCount->Caption(), "0") << "the files are gone";
}

TEST_F(ScanRun, StopDuringTheRegistryPhaseCancelsAndStillRecords) {
    std::vector<std::string> lines;
    for (int i = 0; i < 50; ++i) {
        lines.push_back("1^Software\\Absent" + std::to_string(i) + "^=Absent");
    }
    Definitions("RegistryDefinition.dat", lines);
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    machine.eventLoop.onYield = [&] {
        if (app->scan.RegistryEntriesInspected == 10 && !app->scan.ScanStopRequested) {
            Main().cmdStop->Click();
        }
    };
    Scan();
    EXPECT_EQ(machine.dialogs.shown.back().text, "Are you sure you want to stop the scan?");
    EXPECT_EQ(Caption(Main().lblStatus0), "Scanning was cancelled.");
    EXPECT_EQ(Caption(Main().lblPercentageCompleted), "0% Completed.");
    EXPECT_EQ(app->scan.RegistryEntriesInspected, 10);
    EXPECT_TRUE(UserSetting("Settings", "lblLastScan").has_value());
}

TEST_F(ScanRun, NoToTheStopQuestionGoesOn) {
    ManyAbsentFiles(20);
    machine.dialogs.answers = {platform::MessageAnswer::No};
    bool asked = false;
    machine.eventLoop.onYield = [&] {
        if (!asked && app->scan.FilesFoldersInspected == 5) {
            asked = true;
            Main().cmdStop->Click();
        }
    };
    Scan();
    EXPECT_EQ(app->scan.FilesFoldersInspected, 20);
    EXPECT_EQ(Caption(Main().lblStatus0), "Scanning complete.");
}

TEST_F(ScanRun, PauseHoldsTheRunInItsMessageBox) {
    ManyAbsentFiles(20);
    int inspectedDuringPause = -1;
    machine.dialogs.onShow = [&](const fakes::ScriptedDialogs::Shown& shown) {
        if (shown.text.find("paused") != std::string::npos) {
            inspectedDuringPause = app->scan.FilesFoldersInspected;
            EXPECT_FALSE(Main().cmdPause->Enabled());
            EXPECT_FALSE(Main().cmdStop->Enabled());
        }
    };
    bool paused = false;
    machine.eventLoop.onYield = [&] {
        if (!paused && app->scan.FilesFoldersInspected == 3) {
            paused = true;
            Main().cmdPause->Click();
            EXPECT_TRUE(Main().cmdPause->Enabled());
        }
    };
    Scan();
    EXPECT_EQ(inspectedDuringPause, 3);
    EXPECT_EQ(machine.dialogs.shown.front().text,
              "Acme Sweeper has been paused.  Click OK to resume.");
}

TEST_F(ScanRun, StartingThroughTheLabelDuringARunDoesNothing) {
    ManyAbsentFiles(5);
    machine.clock.now = {2026, 12, 8, 9, 30, 0, 2};
    machine.eventLoop.onYield = [&] {
        if (app->scan.FilesFoldersInspected == 2) {
            // A second run started here would take this as its start.
            machine.clock.now = {2026, 12, 8, 9, 45, 0, 2};
            lblStart_Click(*app);
        }
    };
    Main().lvwSpywareFound->onItemCheck = nullptr;
    lblStart_Click(*app);
    EXPECT_EQ(app->scan.ScanStartedAt, "12/8/2026 9:30:00 AM");
    EXPECT_TRUE(Main().frmScan->Visible()) << "the label shows the scan page";
}

TEST_F(ScanRun, SwitchedOffPhasesSayNotSelected) {
    SetUserSetting("OptionAndSettings", "chkSweepMemory", "0");
    SetUserSetting("OptionAndSettings", "chkScanRegistry", "0");
    Definitions("RegistryDefinition.dat", {"1^Software\\X^=X"});
    machine.registry.SetString(platform::RegistryRoot::CurrentUser, "Software\\X", "", "");
    Scan();
    EXPECT_EQ(Caption(Main().lblMemoryInspected), "Not Selected");
    EXPECT_EQ(Caption(Main().lblRegistryInspected), "Not Selected");
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 0);
}

TEST_F(ScanRun, TheReportIsWrittenWhenTheBoxIsChecked) {
    machine.clock.now = {2026, 12, 8, 14, 30, 5, 2};
    Scan();
    const fakes::FakeFileSystem::File* report = machine.fileSystem.Find(DataFile("Scan_Log.txt"));
    ASSERT_NE(report, nullptr);
    EXPECT_NE(report->content.find(" Scan Finished at : 12/8/2026 2:30:05 PM\r\n"),
              std::string::npos);
    machine.fileSystem.Remove(DataFile("Scan_Log.txt"));
    Main().chkMakeLog->SetValue(0);
    Scan();
    EXPECT_EQ(machine.fileSystem.Find(DataFile("Scan_Log.txt")), nullptr);
}

TEST_F(ScanRun, OnAGermanSystemTheReportAndStatusPageShowGermanTimesAndTheSettingKeepsTheFixedOne) {
    machine.localeFormats.profile = fakes::FakeLocaleFormats::Profile::Germany;
    machine.clock.now = {2026, 12, 8, 14, 30, 5, 2};
    Main().optScanAllSelectedHardDrive->SetValue(true);
    Scan();
    const std::string report = machine.fileSystem.ReadWholeFile(DataFile("Scan_Log.txt")).value();
    EXPECT_NE(report.find(" Scan Started at  : 08.12.2026 14:30:05\r\n"), std::string::npos);
    EXPECT_NE(report.find(" Scan Finished at : 08.12.2026 14:30:05\r\n"), std::string::npos);
    EXPECT_EQ(UserSetting("Settings", "lblLastScan"), "12/8/2026 2:30:05 PM");
    EXPECT_EQ(UserSetting("Settings", "lblLastFullScan"), "12/8/2026 2:30:05 PM");
    EXPECT_EQ(Main().lblLastScan->Caption(), "08.12.2026 14:30:05");
    EXPECT_EQ(Main().lblLastFullScan->Caption(), "08.12.2026 14:30:05");
}

TEST_F(ScanRun, ButtonsAndTimersAreOffWhileTheRunLasts) {
    ManyAbsentFiles(3);
    bool checked = false;
    machine.eventLoop.onYield = [&] {
        if (checked) {
            return;
        }
        checked = true;
        EXPECT_FALSE(Main().cmdScanNow->Enabled());
        EXPECT_FALSE(Main().cmdScan->Enabled());
        EXPECT_FALSE(Main().cmdResults->Enabled());
        EXPECT_FALSE(Main().cmdSettings->Enabled());
        EXPECT_FALSE(Main().cmdLog->Enabled());
        EXPECT_FALSE(Main().cmdUpdate->Enabled());
        EXPECT_TRUE(Main().cmdStop->Enabled());
        EXPECT_FALSE(Main().tmrCheckHomePage->Enabled());
        EXPECT_FALSE(Main().tmrTimeOut->Enabled());
    };
    Scan();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(Main().tmrCheckHomePage->Enabled());
}

TEST_F(ScanRun, CheckingAFileThreatChecksAllItsTraces) {
    machine.fileSystem.AddFile("C:\\Evil\\a.exe");
    machine.fileSystem.AddFile("C:\\Evil\\b.exe");
    machine.fileSystem.AddDirectory("C:\\Evil\\Data");
    machine.fileSystem.AddFile("C:\\Other\\c.exe");
    Definitions("FileDefinition.dat",
                {"a.exe=Evil|C:\\Evil", "b.exe=Evil|C:\\Evil", "c.exe=Other|C:\\Other"});
    Definitions("DirectoryDefinition.dat", {"data=Evil|C:\\Evil\\Data"});
    Scan();
    ASSERT_EQ(Removal().ItemCount(), 2);
    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->UserSetChecked(0, true);
    const ui::ListView& files = *Main().lvwFilesToBeDeleted;
    ASSERT_EQ(files.ItemCount(), 4);
    EXPECT_TRUE(files.Item(0).checked);
    EXPECT_TRUE(files.Item(1).checked);
    EXPECT_FALSE(files.Item(2).checked);
    EXPECT_TRUE(files.Item(3).checked) << "the folder trace has the same threat name";
    cmdSelectAll_Click(*app);
    EXPECT_TRUE(files.Item(2).checked);
}

TEST_F(ScanRun, ExitDuringARunStopsNothingMoreAndWritesNothing) {
    machine.processes.Add(100, "C:\\Apps\\EVIL.EXE");
    Definitions("ExeDefinition.dat", {"EVIL.EXE=Evil|C:\\Apps"});
    Definitions("BlockedCookies.dat", {"tracker.example"});
    Definitions("RegistryDefinition.dat", {"1^Software\\Absent^=Absent"});
    machine.eventLoop.onYield = [&] {
        if (app->scan.ScanPhaseText == "Inspecting Cookies: " && !app->Ending()) {
            Main().mnuFileItem[ui::FrmMain::kFileExit]->Click();
        }
    };
    Scan();
    EXPECT_TRUE(machine.processes.Find(100)->running);
    EXPECT_EQ(app->scan.RegistryEntriesInspected, 0);
    EXPECT_EQ(machine.fileSystem.Find(DataFile("Scan_Log.txt")), nullptr);
    EXPECT_FALSE(UserSetting("Settings", "lblLastScan").has_value());
}

TEST_F(ScanRun, TheCloseBoxDuringARunEndsItsLoopAtTheNextLine) {
    std::vector<std::string> lines;
    for (int i = 0; i < 20; ++i) {
        lines.push_back("1^Software\\Absent" + std::to_string(i) + "^=Absent");
    }
    Definitions("RegistryDefinition.dat", lines);
    ManyAbsentFiles(5);
    machine.eventLoop.onYield = [&] {
        if (app->scan.RegistryEntriesInspected == 3 && !app->Ending()) {
            Main().lblHide->Click();
        }
    };
    Scan();
    EXPECT_EQ(app->scan.RegistryEntriesInspected, 3);
    EXPECT_EQ(app->scan.FilesFoldersInspected, 0);
    EXPECT_EQ(machine.fileSystem.Find(DataFile("Scan_Log.txt")), nullptr);
}

TEST(ScanProgress, PercentagesRoundHalfToEvenAndUnknownWholesLeaveTheBar) {
    EXPECT_EQ(Percent(1, 8), 12);  // 12.5
    EXPECT_EQ(Percent(3, 8), 38);  // 37.5
    EXPECT_EQ(Percent(2, 3), 67);
    EXPECT_EQ(Percent(5, 0), -1);
}

}  // namespace
}  // namespace scan

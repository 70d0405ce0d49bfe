#include "scan/memory_scan.h"

#include "scan/process_control.h"
#include "scan_fixture.h"

namespace scan {
namespace {

class MemoryScan : public testing::ScanFixture {
protected:
    fakes::FakeProcesses& Processes() { return machine.processes; }
    bool Running(std::uint32_t id) { return Processes().Find(id)->running; }
};

TEST_F(MemoryScan, AListedProgramIsReportedAndTheMatchingProcessStopped) {
    machine.fileSystem.AddFile("C:\\Windows\\EVIL.EXE", "MZ");
    Processes().Add(100, "C:\\Windows\\EVIL.EXE");
    Definitions("ExeDefinition.dat", {"EVIL.EXE=Evil|[windir]"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{
                             "Detected in the memory : EVIL.EXE was stopped from running."});
    EXPECT_EQ(Main().lvwSpywareFound->Item(0).smallIcon, kIconFile);
    EXPECT_FALSE(Running(100));
    EXPECT_EQ(app->scan.ThreatsFound, 1);
    EXPECT_EQ(Caption(Main().lblTotalNoOfRunningItems), "1");
}

TEST_F(MemoryScan, OnlyTheProcessThatMatchedIsStoppedNotAnotherOfTheSameName) {
    // The system's own svchost.exe is listed first; the threat borrowed its name.
    Processes().Add(4, "C:\\Windows\\system32\\svchost.exe");
    Processes().Add(200, "C:\\Users\\alice\\AppData\\svchost.exe");
    Definitions("ExeDefinition.dat", {"svchost.exe=Fake host|[appdata]..\\"});
    Definitions("ExeDefinition.dat", {"svchost.exe=Fake host|C:\\Users\\alice\\AppData"});
    Scan();
    EXPECT_TRUE(Running(4));
    EXPECT_FALSE(Running(200));
}

TEST_F(MemoryScan, SystemPathFormsResolveToTheSystemFolder) {
    Processes().Add(300, "x").modulePath = "\\SystemRoot\\System32\\EVIL.EXE";
    Definitions("ExeDefinition.dat", {"EVIL.EXE=Evil|[system]"});
    Scan();
    EXPECT_FALSE(Running(300));
}

TEST_F(MemoryScan, VendorProgramsExcludedNamesAndTheHelperAreLeftRunning) {
    machine.fileSystem.AddFile(
        "C:\\Apps\\VENDOR.EXE",
        std::string("plain StringFileInfo CompanyName\0Microsoft Corporation\0\0\0", 57));
    Processes().Add(51, "C:\\Apps\\VENDOR.EXE");
    Processes().Add(52, "C:\\Apps\\KEPT.EXE");
    Processes().Add(53, "C:\\Apps\\NorrowProcessHelper.exe");
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"), "kept.exe\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    Definitions("ExeDefinition.dat", {"VENDOR.EXE=V|C:\\Apps", "KEPT.EXE=K|C:\\Apps",
                                      "NorrowProcessHelper.exe=N|C:\\Apps"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"EXCLUDED: KEPT.EXE"});
    EXPECT_TRUE(Running(51));
    EXPECT_TRUE(Running(52));
    EXPECT_TRUE(Running(53));
    EXPECT_EQ(app->scan.ThreatsFound, 0);
}

TEST_F(MemoryScan, EveryListedProcessIsExaminedHoweverManyRun) {
    for (std::uint32_t id = 1000; id < 1200; ++id) {
        Processes().Add(id, "C:\\Apps\\app" + std::to_string(id) + ".exe");
    }
    Processes().Add(5000, "C:\\Apps\\LAST.EXE");
    Definitions("ExeDefinition.dat", {"LAST.EXE=Last|C:\\Apps"});
    Scan();
    EXPECT_EQ(Caption(Main().lblTotalNoOfRunningItems), "201");
    EXPECT_FALSE(Running(5000));
    EXPECT_EQ(app->scan.MemoryItemsInspected, 1 + 201);
}

TEST_F(MemoryScan, ProcessesThatCannotBeReadArePassedOver) {
    Processes().Add(7, "C:\\Apps\\EVIL.EXE").modulePath.reset();
    Processes().Add(8, "C:\\Apps\\EVIL.EXE").baseName.reset();
    Definitions("ExeDefinition.dat", {"EVIL.EXE=Evil|C:\\Apps"});
    Scan();
    EXPECT_TRUE(Summary().empty());
    EXPECT_EQ(Caption(Main().lblTotalNoOfRunningItems), "1");
}

TEST_F(MemoryScan, TheNinetyFivePassMatchesNamesThatEndTheirLine) {
    machine.osVersion.info.platformId = platform::kPlatformWin32Windows;
    Processes().Add(10, "C:\\WINDOWS\\EVIL.EXE");
    Processes().Add(11, "C:\\WINDOWS\\OTHER.EXE");
    Processes().Add(12, "C:\\WINDOWS\\NorrowProcessHelper.exe");
    Definitions("ExeDefinition.dat",
                {"C:\\WINDOWS\\EVIL.EXE", "OTHER.EXE=x|y", "C:\\NorrowProcessHelper.exe"});
    Scan();
    EXPECT_FALSE(Running(10));
    EXPECT_TRUE(Running(11));
    EXPECT_FALSE(Running(12)) << "the 9x pass makes no exception for the helper";
    EXPECT_EQ(Summary().front(),
              "Detected in the memory : EVIL.EXE and was stopped being from ruuning.");
}

TEST(ProcessControl, StopByNameUsesTheFifteenCharacterCutAndTheShortAlias) {
    fakes::FakeProcesses processes;
    processes.Add(21, "C:\\a\\VeryLongProgramName.exe");
    EXPECT_TRUE(StopProcessByName(processes, "VeryLongProgramName.exe"));
    EXPECT_FALSE(processes.Find(21)->running);

    processes.Add(22, "C:\\a\\VERYLO~1.EXE");
    EXPECT_TRUE(StopProcessByName(processes, "VeryLongProgramName.exe"));
    EXPECT_FALSE(processes.Find(22)->running);
}

TEST(ProcessControl, StopByNameMatchesWithoutExtensionAndIgnoringCase) {
    fakes::FakeProcesses processes;
    processes.Add(31, "C:\\a\\Evil.Exe");
    EXPECT_TRUE(StopProcessByName(processes, "EVIL.exe"));
    EXPECT_FALSE(processes.Find(31)->running);
    EXPECT_TRUE(StopProcessByName(processes, "absent.exe")) << "no match counts as stopped";
}

TEST(ProcessControl, AProcessThatRefusesToEndIsTriedElevenTimes) {
    fakes::FakeProcesses processes;
    processes.Add(41, "C:\\a\\stubborn.exe").refusesToEnd = true;
    EXPECT_FALSE(StopProcessByName(processes, "stubborn.exe"));
    EXPECT_EQ(processes.endCalls.size(), 11u);
}

TEST(ProcessControl, ListingNamesTheSystemProcessesAndSkipsUnreadableOnes) {
    fakes::FakeProcesses processes;
    processes.Add(0, "idle");
    processes.Add(2, "system");
    processes.Add(9, "C:\\x.exe").baseName.reset();
    ProcessList list;
    EXPECT_EQ(ListProcesses(processes, list), 2);
    EXPECT_EQ(list.names, (std::vector<std::string>{"System Idle Process", "System"}));
    processes.failList = true;
    EXPECT_EQ(ListProcesses(processes, list), -1);
    EXPECT_TRUE(list.names.empty());
}

TEST(ProcessControl, OnlyPathsThroughSystem32Resolve) {
    fakes::FakeProcesses processes;
    EXPECT_EQ(ResolveSystem32Path(processes, "\\??\\C:\\WINDOWS\\SYSTEM32\\DRIVERS\\X.SYS"),
              "C:\\Windows\\system32\\DRIVERS\\X.SYS");
    EXPECT_EQ(ResolveSystem32Path(processes, "C:\\APPS\\X.EXE"), "C:\\APPS\\X.EXE");
}

}  // namespace
}  // namespace scan

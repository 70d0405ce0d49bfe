#pragma once

// The program after a scan run, with the run's times, counters and removal
// list set directly, ready to write and show its report.

#include "app/app_fixture.h"
#include "core/branding.h"
#include "ui/list_view.h"

namespace report::testing {

class ReportFixture : public core::testing::AppFixture {
protected:
    ReportFixture() {
        app->DataFolder = "C:\\Users\\alice\\AppData\\Roaming\\AntiSpywareDAT";
        app->branding = core::LoadBranding(machine.programFile);
        app->scan.ScanStartedAt = "12/8/2026 9:30:00 AM";
        app->scan.ScanFinishedAt = "12/8/2026 9:42:17 AM";
        Counters("Not Selected", "312", "0");
    }

    void Counters(std::string memory, std::string registry, std::string files) {
        Main().lblMemoryInspected->SetCaption(std::move(memory));
        Main().lblRegistryInspected->SetCaption(std::move(registry));
        Main().lblFilesFolderInspected->SetCaption(std::move(files));
    }

    void Finding(std::string name, std::string location) {
        ui::ListView& list = *Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
        const int row = list.AddItem(std::move(name));
        list.SetSubItem(row, 1, std::move(location));
        list.SetSubItem(row, 2, "File");
    }

    std::string ReportFile() const { return DataFile("Scan_Log.txt"); }
    std::string QuarantineLog() const { return DataFile("quarantine\\QuarantineLog.txt"); }
    std::string ExclusionFile() const { return DataFile("ENoSignature.dat"); }

    // The report file's bytes; nullopt when there is none.
    std::optional<std::string> Report() { return machine.fileSystem.ReadWholeFile(ReportFile()); }
};

}  // namespace report::testing

#include "scan/memory_scan.h"

#include <memory>
#include <unordered_set>

#include "base/text.h"
#include "core/application.h"
#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "core/shell_folder_cache.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "definitions/records.h"
#include "scan/company_name.h"
#include "scan/file_scan.h"
#include "scan/finding_lists.h"
#include "scan/process_control.h"
#include "scan/scan_progress.h"
#include "scan/scan_run.h"

namespace scan {

namespace {

bool IsVendorFile(platform::FileSystem& fs, const std::string& path) {
    return base::EqualsIgnoreCase(base::Trim(GetFileCompanyName(fs, path)), kVendorExemption);
}

std::string NameOf(std::string_view path) {
    return core::FileNameOf(path);
}

// A pass ends when the program is closing. The scan's stop flag ends scans
// only: it stays raised after a stopped scan, and the shield's passes must
// go on alerting.
bool PassMustEnd(const core::Application& app, bool scanMode) {
    return scanMode ? ScanMustEnd(app) : app.Ending();
}

// Ends the held process with its own exit code; one that could not be held
// is left alone.
void EndProcess(platform::HeldProcess* process) {
    if (process != nullptr) {
        process->End();
    }
}

}  // namespace

bool InScanMode(const core::Application& app) {
    return !app.frmMain.cmdScan->Enabled();
}

void RunMemoryScan(core::Application& app) {
    switch (app.ports.osVersion.Read().platformId) {
        case platform::kPlatformWin32Windows:
            ScanProcesses9x(app);
            break;
        case platform::kPlatformWin32Nt:
            ScanProcessesNT(app);
            break;
        default:
            break;
    }
}

void ScanProcessesNT(core::Application& app) {
    ScanState& state = app.scan;
    platform::Platform& ports = app.ports;
    const bool scanMode = InScanMode(app);
    // 1.
    ProcessList processes;
    const int count = ListProcesses(ports.processes, processes);
    // 2. and 3.: the definitions' executables as upper-cased full paths.
    std::unordered_set<std::string> memoryScanPaths;
    core::ShellFolderCache folders(ports.shellFolders);
    std::string lastFileName;
    const std::string path = definitions::DataFile(app.DataFolder, definitions::kExeDefinitions);
    if (core::FileExists(ports.fileSystem, path)) {
        for (const std::string& line :
             core::ReadTextLines(ports.fileSystem, path).value_or(std::vector<std::string>{})) {
            if (PassMustEnd(app, scanMode)) {
                memoryScanPaths.clear();
                break;
            }
            const std::optional<definitions::ExeRecord> record = definitions::ParseExeRecord(
                definitions::DecodeDefinitionText(line, ports.textCodec), folders);
            if (record) {
                memoryScanPaths.insert(base::UpperCase(record->path));
                lastFileName = record->fileName;
            }
            if (scanMode) {
                ++state.MemoryItemsInspected;
                UpdateScanProgress(
                    app, [&] { return state.ScanPhaseText + "\r\n" + lastFileName; }, -1, -1);
            }
            ports.eventLoop.YieldToMessageLoop();
        }
    }
    // 5.
    app.frmMain.lblTotalNoOfRunningItems->SetCaption(std::to_string(count));
    // 6.
    for (std::size_t i = 0; i < processes.ids.size(); ++i) {
        const std::uint32_t id = processes.ids[i];
        ++state.MemoryItemsInspected;
        if (scanMode) {
            UpdateScanProgress(
                app, [&] { return state.ScanPhaseText + "\r\n" + lastFileName; }, -1, -1);
        }
        if (PassMustEnd(app, scanMode)) {
            return;
        }
        // Held before its path is read, so that whatever stops it later, when
        // the user has answered or after the company test, stops this process
        // and not one that took its identifier meanwhile.
        const std::unique_ptr<platform::HeldProcess> held = ports.processes.Hold(id);
        // The system's own path forms resolve to ordinary paths, compared in
        // upper case like the definitions.
        const std::optional<std::string> executable = ExecutablePathOf(ports.processes, id);
        if (!executable) {
            continue;
        }
        const std::string& modulePath = *executable;
        const std::string name = NameOf(modulePath);
        if (!memoryScanPaths.contains(modulePath)) {
            continue;
        }
        const std::string company = GetFileCompanyName(ports.fileSystem, modulePath);
        if (base::EqualsIgnoreCase(base::Trim(company), kVendorExemption)) {
            continue;
        }
        if (app.exclusions.IsExcluded(name)) {
            AddExcludedRow(app, name);
            continue;
        }
        if (base::EqualsIgnoreCase(base::Trim(name), "NorrowProcessHelper.exe")) {
            continue;
        }
        ReportMemoryFinding(app, name, company, held.get());
        ++state.ThreatsFound;
        ports.eventLoop.YieldToMessageLoop();
    }
}

void ScanProcesses9x(core::Application& app) {
    ScanState& state = app.scan;
    platform::Platform& ports = app.ports;
    const bool scanMode = InScanMode(app);
    // 1.
    if (!base::Trim(state.MemoryScanText9x).empty()) {
        state.MemoryItemsInspected +=
            static_cast<std::int32_t>(base::Split(state.MemoryScanText9x, "\r\n").size());
    } else {
        const std::string path =
            definitions::DataFile(app.DataFolder, definitions::kExeDefinitions);
        if (!core::FileExists(ports.fileSystem, path)) {
            return;
        }
        for (const std::string& line :
             core::ReadTextLines(ports.fileSystem, path).value_or(std::vector<std::string>{})) {
            if (PassMustEnd(app, scanMode)) {
                state.MemoryScanText9x.clear();
                break;
            }
            const std::string decoded = definitions::DecodeDefinitionText(line, ports.textCodec);
            state.MemoryScanText9x += decoded + "\r\n";
            ++state.MemoryItemsInspected;
            if (scanMode) {
                UpdateScanProgress(
                    app, [&] { return state.ScanPhaseText + "\r\n" + decoded; }, -1, -1);
            }
            ports.eventLoop.YieldToMessageLoop();
        }
    }
    // 2.
    const std::optional<std::vector<platform::ProcessEntry>> snapshot = ports.processes.Snapshot();
    if (!snapshot) {
        return;
    }
    const std::string text = base::UpperCase(state.MemoryScanText9x);
    for (const platform::ProcessEntry& entry : *snapshot) {
        // The walk does not heed Stop, but nothing is stopped or asked once
        // the program is closing.
        if (app.Ending()) {
            return;
        }
        ui::Label& running = *app.frmMain.lblTotalNoOfRunningItems;
        IncrementCaption(running);
        // Held from the moment it is seen: the question may wait for minutes.
        const std::unique_ptr<platform::HeldProcess> held = ports.processes.Hold(entry.id);
        const std::string exePath = entry.exeFile.substr(0, entry.exeFile.find('\0'));
        const std::string name = base::UpperCase(base::Trim(NameOf(exePath)));
        // Only the first place the name stands is tested: it must end its line.
        const std::size_t found = name.empty() ? std::string::npos : text.find(name);
        if (found == std::string::npos) {
            continue;
        }
        const std::size_t lineEnd = text.find("\r\n", found);
        if (base::Trim(text.substr(
                found, lineEnd == std::string::npos ? std::string::npos : lineEnd - found)) !=
            name) {
            continue;
        }
        if (IsVendorFile(ports.fileSystem, exePath)) {
            continue;
        }
        if (app.exclusions.IsExcluded(name)) {
            AddExcludedRow(app, name);
            continue;
        }
        if (scanMode) {
            app.frmMain.lvwSpywareFound->AddItem(
                "Detected in the memory : " + name + " and was stopped being from ruuning.",
                kIconFile);
            EndProcess(held.get());
            ++state.ThreatsFound;
        } else {
            const platform::MessageAnswer answer = ports.dialogs.ShowMessage(
                app.Message("MSG_FOUND1") + name + app.Message("MSG_FOUND2") + name +
                    app.Message("MSG_FOUND3"),
                app.branding.ProgramName + "  - Alert", platform::MessageButtons::YesNo,
                platform::MessageIcon::Question);
            if (answer == platform::MessageAnswer::Yes) {
                EndProcess(held.get());
                ++state.ThreatsFound;
            } else {
                app.exclusions.AddExclusion(ports.fileSystem, ports.textCodec, ports.eventLoop,
                                            app.DataFolder, name);
            }
        }
        ports.eventLoop.YieldToMessageLoop();
    }
}

void ReportMemoryFinding(core::Application& app, std::string_view name, std::string_view company,
                         platform::HeldProcess* process) {
    if (InScanMode(app)) {
        app.frmMain.lvwSpywareFound->AddItem(
            "Detected in the memory : " + std::string(name) + " was stopped from running.",
            kIconFile);
        // The process that matched is stopped, not the first of its name:
        // a threat may borrow the name of a program of the system.
        [[maybe_unused]] const bool stopped = StopProcess(process);
        return;
    }
    if (app.ReportMemoryAlert) {
        app.ReportMemoryAlert(name, company, process);
    }
}

}  // namespace scan

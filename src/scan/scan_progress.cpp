#include "scan/scan_progress.h"

#include "base/text.h"
#include "core/application.h"
#include "scan/status_word_filter.h"

namespace scan {

namespace {

void ShowCounters(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    const ScanState& state = app.scan;
    main.lblMemoryInspected->SetCaption(std::to_string(state.MemoryItemsInspected));
    main.lblRegistryInspected->SetCaption(std::to_string(state.RegistryEntriesInspected));
    main.lblFilesFolderInspected->SetCaption(std::to_string(state.FilesFoldersInspected));
    main.lblSoftwareFound->SetCaption(std::to_string(state.ThreatsFound));
}

}  // namespace

int Percent(std::int64_t part, std::int64_t whole) noexcept {
    if (whole == 0) {
        return -1;
    }
    const std::int64_t value =
        base::RoundHalfEven(static_cast<double>(part) / static_cast<double>(whole) * 100.0);
    return static_cast<int>(std::clamp<std::int64_t>(value, -32768, 32767));
}

void LockMainWindow(core::Application& app, bool on) {
    if (app.frmMain.Visible()) {
        app.frmMain.SetRedrawLocked(on);
    }
}

bool CountProgressCall(core::Application& app) noexcept {
    ScanState& state = app.scan;
    ++state.ProgressCallCount;
    if (state.ProgressCallCount <= 99) {
        return false;
    }
    state.ProgressCallCount = 0;
    return true;
}

void UpdateScanProgress(core::Application& app, std::string_view text, int phasePercent,
                        int overallPercent) {
    if (CountProgressCall(app)) {
        ShowScanProgress(app, text, phasePercent, overallPercent);
    }
}

void ShowScanProgress(core::Application& app, std::string_view text, int phasePercent,
                      int overallPercent) {
    const ScanState& state = app.scan;
    ui::FrmMain& main = app.frmMain;
    LockMainWindow(app, true);
    ShowCounters(app);
    main.lblStatus0->SetCaption(FilterStatusWords(text));
    main.lblRemovePicSoftwareFound->SetCaption(std::to_string(state.ThreatsFound));
    if (phasePercent >= 0) {
        main.pb1->SetValue(phasePercent);
    }
    if (overallPercent >= 0) {
        main.pb2->SetValue(overallPercent);
    }
    LockMainWindow(app, false);
}

void ShowFinalCounters(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    const ScanState& state = app.scan;
    LockMainWindow(app, true);
    // A phase that was switched off keeps "Not Selected" in its counter.
    if (state.memoryPhaseRan) {
        main.lblMemoryInspected->SetCaption(std::to_string(state.MemoryItemsInspected));
    }
    if (state.registryPhaseRan) {
        main.lblRegistryInspected->SetCaption(std::to_string(state.RegistryEntriesInspected));
    }
    main.lblFilesFolderInspected->SetCaption(std::to_string(state.FilesFoldersInspected));
    main.lblSoftwareFound->SetCaption(std::to_string(state.ThreatsFound));
    main.lblRemovePicSoftwareFound->SetCaption(std::to_string(state.ThreatsFound));
    LockMainWindow(app, false);
}

}  // namespace scan

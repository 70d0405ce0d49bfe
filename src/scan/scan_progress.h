#pragma once

// The scan page's progress display: counters, status line and bars. It is
// refreshed only on every hundredth call, which keeps the display from
// costing more than the scan.

#include <concepts>
#include <cstdint>
#include <string_view>

namespace core {
class Application;
}

namespace scan {

// A percentage as the bars take it, rounded half to even; -1 (leave the bar
// as it is) when the whole is 0.
[[nodiscard]] int Percent(std::int64_t part, std::int64_t whole) noexcept;

// Counts the call and, on every hundredth, shows the counters, the text and
// the two percentages (a percentage below 0 leaves its bar unchanged).
void UpdateScanProgress(core::Application& app, std::string_view text, int phasePercent,
                        int overallPercent);

// Counts one call; true on the calls that refresh the display.
[[nodiscard]] bool CountProgressCall(core::Application& app) noexcept;

// Shows the counters, the text and the percentages now.
void ShowScanProgress(core::Application& app, std::string_view text, int phasePercent,
                      int overallPercent);

// The same update with the text made only on the calls that show it: a scan
// makes one call per definition line, and building the text for each would
// cost more than testing the line.
template <std::invocable MakeText>
void UpdateScanProgress(core::Application& app, MakeText&& makeText, int phasePercent,
                        int overallPercent) {
    if (CountProgressCall(app)) {
        ShowScanProgress(app, makeText(), phasePercent, overallPercent);
    }
}

// Shows the counters as they stand, once the phases have ended.
void ShowFinalCounters(core::Application& app);

// Suspends (true) or resumes the main window's painting while it is visible.
void LockMainWindow(core::Application& app, bool on);

}  // namespace scan

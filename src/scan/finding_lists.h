#pragma once

// The finding lists of a scan: the summary shown while scanning, the removal
// list the user checks, and the lists of traces behind its rows.

#include <cstdint>
#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace ui {
class Label;
class ListView;
}  // namespace ui

namespace scan {

// True when the summary already has a row for the threat (its text starts
// with the name and " - Found", ignoring letter case).
[[nodiscard]] bool HasSummaryRow(const ui::ListView& summary, std::string_view threatName);

// Adds the "EXCLUDED: " row of a trace that the exclusion list covers.
void AddExcludedRow(core::Application& app, std::string_view location);

// Raises the number a label shows by one.
void IncrementCaption(ui::Label& label);

// A new threat: its summary row and its removal-list row, and the count.
void AddThreat(core::Application& app, std::string_view threatName, int icon,
               std::string_view location, std::string_view typeText);

// The root key's handle as signed decimal text ("-2147483646").
[[nodiscard]] std::string RootHandleText(std::uint32_t handle);

// The removal list's check handler: the trace rows that belong to the row
// follow its check mark.
void PropagateRemovalCheck(core::Application& app, int row);

// Checks every unchecked row of the removal list, with its traces.
void cmdSelectAll_Click(core::Application& app);

// Removes the checked rows of a list, keeping the order of the others.
void RemoveCheckedRows(ui::ListView& list);

void AttachFindingLists(core::Application& app);

}  // namespace scan

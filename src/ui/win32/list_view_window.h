#pragma once

// The report-style list view behind a model ListView.

#include "platform/win32/handles.h"
#include "ui/control.h"

namespace ui {
class ListView;
}

namespace ui::win32 {

// Sets the extended styles, the icons, the columns and the rows; the
// model's column widths are pixels at 96 DPI, shown at `dpi`.
void InitialiseListView(ListView& list, HWND window, HIMAGELIST smallIcons, int dpi);

// Brings the window in step with one change of the model's rows or columns.
void SyncListView(ListView& list, HWND window, Change change, int index, int dpi);

// The icons and the column widths at another DPI.
void RescaleListView(const ListView& list, HWND window, HIMAGELIST smallIcons, int dpi);

// The column widths as the user left them, in the model's pixels.
void ReadColumnWidths(ListView& list, HWND window, int dpi);

}  // namespace ui::win32

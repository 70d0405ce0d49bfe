#pragma once

// The report-style list view behind a model ListView.

#include "platform/win32/handles.h"
#include "ui/control.h"

namespace ui {
class ListView;
}

namespace ui::win32 {

// Sets the extended styles, the icons, the columns and the rows.
void InitialiseListView(ListView& list, HWND window, HIMAGELIST smallIcons);

// Brings the window in step with one change of the model's rows or columns.
void SyncListView(ListView& list, HWND window, Change change, int index, HIMAGELIST smallIcons);

// The column widths as the user left them.
void ReadColumnWidths(ListView& list, HWND window);

}  // namespace ui::win32

#include "ui/win32/list_view_window.h"

#include <string>

#include "ui/list_view.h"
#include "ui/win32/dpi.h"

namespace ui::win32 {

namespace {

int ImageIndex(int smallIcon) {
    return smallIcon > 0 ? smallIcon - 1 : I_IMAGENONE;
}

void SetCheckMark(HWND window, int row, bool checked) {
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    ::SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&state));
}

void SetRow(const ListView& list, HWND window, int row, bool insert) {
    const ListItem& item = list.Item(row);
    std::string text = item.text;
    LVITEMA entry{};
    entry.mask = LVIF_TEXT | LVIF_IMAGE;
    entry.iItem = row;
    entry.pszText = text.data();
    entry.iImage = ImageIndex(item.smallIcon);
    ::SendMessageA(window, insert ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                   reinterpret_cast<LPARAM>(&entry));
    for (int column = 1; column < list.ColumnCount(); ++column) {
        std::string subText = item.SubItem(column);
        LVITEMA sub{};
        sub.iSubItem = column;
        sub.pszText = subText.data();
        ::SendMessageA(window, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&sub));
    }
    SetCheckMark(window, row, item.checked);
}

void RebuildColumns(const ListView& list, HWND window, int dpi) {
    while (::SendMessageA(window, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    for (int column = 0; column < list.ColumnCount(); ++column) {
        std::string text = list.Column(column).text;
        LVCOLUMNA entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        entry.pszText = text.data();
        entry.cx = ToScreen(list.Column(column).width, dpi);
        entry.iSubItem = column;
        ::SendMessageA(window, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&entry));
    }
}

void RebuildRows(const ListView& list, HWND window) {
    ::SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(window, LVM_DELETEALLITEMS, 0, 0);
    for (int row = 0; row < list.ItemCount(); ++row) {
        SetRow(list, window, row, true);
    }
    ::SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window, nullptr, TRUE);
}

}  // namespace

void InitialiseListView(ListView& list, HWND window, HIMAGELIST smallIcons, int dpi) {
    DWORD exStyle = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP;
    if (list.checkBoxes) {
        exStyle |= LVS_EX_CHECKBOXES;
    }
    ::SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, exStyle, exStyle);
    if (smallIcons != nullptr) {
        ::SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallIcons));
    }
    RebuildColumns(list, window, dpi);
    RebuildRows(list, window);
}

void SyncListView(ListView& list, HWND window, Change change, int index, int dpi) {
    switch (change) {
        case Change::ItemAdded:
            if (index >= 0 && index < list.ItemCount()) {
                SetRow(list, window, index, true);
            }
            break;
        case Change::ItemChanged:
            if (index >= 0 && index < list.ItemCount()) {
                SetRow(list, window, index, false);
            }
            break;
        case Change::ItemRemoved:
            ::SendMessageA(window, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
            break;
        case Change::Columns:
            RebuildColumns(list, window, dpi);
            RebuildRows(list, window);
            break;
        default:
            RebuildRows(list, window);
            break;
    }
}

void RescaleListView(const ListView& list, HWND window, HIMAGELIST smallIcons, int dpi) {
    if (smallIcons != nullptr) {
        ::SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallIcons));
    }
    // The check boxes' images are the list's own, made at the DPI it was
    // created at: setting the style again makes them anew, and clears the
    // marks, which the model still holds.
    if (list.checkBoxes) {
        ::SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, 0);
        ::SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
        for (int row = 0; row < list.ItemCount(); ++row) {
            SetCheckMark(window, row, list.Item(row).checked);
        }
    }
    for (int column = 0; column < list.ColumnCount(); ++column) {
        ::SendMessageA(window, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                       MAKELPARAM(ToScreen(list.Column(column).width, dpi), 0));
    }
}

void ReadColumnWidths(ListView& list, HWND window, int dpi) {
    for (int column = 0; column < list.ColumnCount(); ++column) {
        const auto width = static_cast<int>(
            ::SendMessageA(window, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        list.ColumnResizedByUser(column, ToModel(width, dpi));
    }
}

}  // namespace ui::win32

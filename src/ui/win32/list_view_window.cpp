#include "ui/win32/list_view_window.h"

#include <string>

#include "ui/list_view.h"

namespace ui::win32 {

namespace {

int ImageIndex(int smallIcon) {
    return smallIcon > 0 ? smallIcon - 1 : I_IMAGENONE;
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
    LVITEMA state{};
    state.stateMask = LVIS_STATEIMAGEMASK;
    state.state = INDEXTOSTATEIMAGEMASK(item.checked ? 2 : 1);
    ::SendMessageA(window, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&state));
}

void RebuildColumns(const ListView& list, HWND window) {
    while (::SendMessageA(window, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    for (int column = 0; column < list.ColumnCount(); ++column) {
        std::string text = list.Column(column).text;
        LVCOLUMNA entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        entry.pszText = text.data();
        entry.cx = list.Column(column).width;
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

void InitialiseListView(ListView& list, HWND window, HIMAGELIST smallIcons) {
    DWORD exStyle = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP;
    if (list.checkBoxes) {
        exStyle |= LVS_EX_CHECKBOXES;
    }
    ::SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, exStyle, exStyle);
    if (smallIcons != nullptr) {
        ::SendMessageA(window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(smallIcons));
    }
    RebuildColumns(list, window);
    RebuildRows(list, window);
}

void SyncListView(ListView& list, HWND window, Change change, int index, HIMAGELIST) {
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
            RebuildColumns(list, window);
            RebuildRows(list, window);
            break;
        default:
            RebuildRows(list, window);
            break;
    }
}

void ReadColumnWidths(ListView& list, HWND window) {
    for (int column = 0; column < list.ColumnCount(); ++column) {
        const auto width = static_cast<int>(
            ::SendMessageA(window, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
        list.ColumnResizedByUser(column, width);
    }
}

}  // namespace ui::win32

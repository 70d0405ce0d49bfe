#include "ui/list_view.h"

namespace ui {

const std::string& ListItem::SubItem(int n) const {
    static const std::string kNone;
    return n >= 1 && n <= static_cast<int>(subItems.size()) ? subItems[n - 1] : kNone;
}

void ListView::AddColumn(std::string text, int width) {
    m_columns.push_back({std::move(text), width});
    Notify(Change::Columns);
}

void ListView::SetColumnText(int column, std::string text) {
    if (column < 0 || column >= ColumnCount()) {
        return;
    }
    m_columns[column].text = std::move(text);
    Notify(Change::Columns);
}

void ListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= ColumnCount()) {
        return;
    }
    m_columns[column].width = width;
    Notify(Change::Columns);
}

void ListView::ColumnResizedByUser(int column, int width) {
    if (column >= 0 && column < ColumnCount()) {
        m_columns[column].width = width;
    }
}

int ListView::AddItem(std::string text, int smallIcon) {
    ListItem item;
    item.text = std::move(text);
    item.smallIcon = smallIcon;
    m_items.push_back(std::move(item));
    Notify(Change::ItemAdded, ItemCount() - 1);
    return ItemCount() - 1;
}

void ListView::SetItemText(int row, std::string text) {
    if (row < 0 || row >= ItemCount()) {
        return;
    }
    m_items[row].text = std::move(text);
    Notify(Change::ItemChanged, row);
}

void ListView::SetSubItem(int row, int n, std::string text) {
    if (row < 0 || row >= ItemCount() || n < 1) {
        return;
    }
    std::vector<std::string>& subItems = m_items[row].subItems;
    if (static_cast<int>(subItems.size()) < n) {
        subItems.resize(n);
    }
    subItems[n - 1] = std::move(text);
    Notify(Change::ItemChanged, row);
}

void ListView::SetChecked(int row, bool checked) {
    if (row < 0 || row >= ItemCount() || m_items[row].checked == checked) {
        return;
    }
    m_items[row].checked = checked;
    Notify(Change::ItemChanged, row);
}

void ListView::RemoveItem(int row) {
    if (row < 0 || row >= ItemCount()) {
        return;
    }
    m_items.erase(m_items.begin() + row);
    Notify(Change::ItemRemoved, row);
}

void ListView::Clear() {
    m_items.clear();
    Notify(Change::Items);
}

void ListView::UserSetChecked(int row, bool checked) {
    if (row < 0 || row >= ItemCount()) {
        return;
    }
    m_items[row].checked = checked;
    if (onItemCheck) {
        onItemCheck(row);
    }
}

}  // namespace ui

#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

struct ListColumn {
    std::string text;
    int width = 100;  // pixels
};

struct ListItem {
    std::string text;
    std::vector<std::string> subItems;  // subItems[0] is sub-item 1
    bool checked = false;
    int smallIcon = 0;  // 0: none; otherwise an index of the view's icon set

    // Sub-item n, counted from 1; "" when the row has none.
    [[nodiscard]] const std::string& SubItem(int n) const;
};

// A report-style list with optional check boxes. Rows are indexed from 0.
// Code changes check marks silently; a check mark changed by the user runs
// the ItemCheck handler with the row's index.
class ListView : public Control {
public:
    ListView(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::ListView, std::move(name), index, container) {}

    void AddColumn(std::string text, int width);
    [[nodiscard]] int ColumnCount() const noexcept { return static_cast<int>(m_columns.size()); }
    [[nodiscard]] const ListColumn& Column(int column) const { return m_columns.at(column); }
    void SetColumnText(int column, std::string text);
    void SetColumnWidth(int column, int width);
    // The view reports widths the user dragged, without a change back to it.
    void ColumnResizedByUser(int column, int width);

    // Adds a row and returns its index.
    int AddItem(std::string text, int smallIcon = 0);
    [[nodiscard]] int ItemCount() const noexcept { return static_cast<int>(m_items.size()); }
    [[nodiscard]] const ListItem& Item(int row) const { return m_items.at(row); }
    void SetItemText(int row, std::string text);
    void SetSubItem(int row, int n, std::string text);
    void SetChecked(int row, bool checked);
    void RemoveItem(int row);
    void Clear();

    // The user's change of a check mark: stores it and runs the handler.
    void UserSetChecked(int row, bool checked);

    bool checkBoxes = false;
    bool showHeaders = true;

    std::function<void(int row)> onItemCheck;

private:
    std::vector<ListColumn> m_columns;
    std::vector<ListItem> m_items;
};

}  // namespace ui

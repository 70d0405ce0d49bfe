#include "ui/list_box.h"

namespace ui {

void ListBox::AddItem(std::string text) {
    m_items.push_back(std::move(text));
    Notify(Change::ItemAdded, ItemCount() - 1);
}

void ListBox::Clear() {
    m_items.clear();
    Notify(Change::Items);
}

}  // namespace ui

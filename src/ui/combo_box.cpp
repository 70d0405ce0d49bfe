#include "ui/combo_box.h"

namespace ui {

void ComboBox::AddItem(std::string text) {
    m_items.push_back(std::move(text));
    Notify(Change::ItemAdded, ItemCount() - 1);
}

void ComboBox::Clear() {
    m_items.clear();
    m_listIndex = -1;
    m_text.clear();
    Notify(Change::Items);
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ItemCount()) {
        return;
    }
    m_listIndex = index;
    m_text = index >= 0 ? m_items[index] : std::string();
    Notify(Change::Value);
    if (index >= 0) {
        Click();
    }
}

void ComboBox::SetText(std::string text) {
    m_listIndex = -1;
    for (int i = 0; i < ItemCount(); ++i) {
        if (m_items[i] == text) {
            m_listIndex = i;
            break;
        }
    }
    m_text = std::move(text);
    Notify(Change::Value);
}

}  // namespace ui

#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A plain list of text rows.
class ListBox : public Control {
public:
    ListBox(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::ListBox, std::move(name), index, container) {}

    void AddItem(std::string text);
    void Clear();
    [[nodiscard]] const std::vector<std::string>& Items() const noexcept { return m_items; }
    [[nodiscard]] int ItemCount() const noexcept { return static_cast<int>(m_items.size()); }

private:
    std::vector<std::string> m_items;
};

}  // namespace ui

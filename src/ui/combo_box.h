#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

// A drop-down list. Selecting an entry (by the user or by code) runs the
// Click handler; the text shows the selected entry, or a free text when none
// is selected.
class ComboBox : public Control {
public:
    ComboBox(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::ComboBox, std::move(name), index, container) {}

    void AddItem(std::string text);
    void Clear();
    [[nodiscard]] const std::vector<std::string>& Items() const noexcept { return m_items; }
    [[nodiscard]] int ItemCount() const noexcept { return static_cast<int>(m_items.size()); }

    // -1 when no entry is selected.
    [[nodiscard]] int ListIndex() const noexcept { return m_listIndex; }
    void SetListIndex(int index);

    [[nodiscard]] const std::string& Text() const noexcept { return m_text; }
    // Selects the first entry equal to the text when there is one (without
    // running the Click handler); otherwise shows the text with no entry
    // selected.
    void SetText(std::string text);

    // An editable box shows free text and lets the user type; a plain
    // drop-down list shows only its entries.
    bool editable = false;

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
    std::string m_text;
};

}  // namespace ui

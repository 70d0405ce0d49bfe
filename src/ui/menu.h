#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

// A menu entry. Top-level entries have no parent menu; an entry whose
// caption is "-" is a separator.
class Menu : public Control {
public:
    Menu(Form& owner, std::string name, std::optional<int> index, Menu* parentMenu);

    [[nodiscard]] Menu* ParentMenu() const noexcept { return m_parentMenu; }
    [[nodiscard]] bool IsSeparator() const noexcept { return Caption() == "-"; }

    [[nodiscard]] bool Checked() const noexcept { return m_checked; }
    void SetChecked(bool checked);

private:
    Menu* m_parentMenu;
    bool m_checked = false;
};

}  // namespace ui

#include "ui/menu.h"

namespace ui {

Menu::Menu(Form& owner, std::string name, std::optional<int> index, Menu* parentMenu)
    : Control(owner, ControlType::Menu, std::move(name), index, nullptr),
      m_parentMenu(parentMenu) {}

void Menu::SetChecked(bool checked) {
    if (checked != m_checked) {
        m_checked = checked;
        Notify(Change::Value);
    }
}

}  // namespace ui

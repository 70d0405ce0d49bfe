#include "shell/cls_tray.h"

#include "ui/form.h"

namespace shell {

clsTray::clsTray(platform::NotifyIcon& icon) : m_icon(icon) {
    m_icon.onMouseMessage = [this](int mouseMessage) {
        OnMouseMessage(mouseMessage);
    };
}

clsTray::~clsTray() {
    m_icon.onMouseMessage = nullptr;
}

void clsTray::ShowIcon(ui::Form& window) {
    m_owner = &window;
    [[maybe_unused]] const bool shown = m_icon.Add(window.IconResource(), window.Caption());
    m_runningInTray = true;
}

void clsTray::RemoveIcon(ui::Form& window) {
    m_owner = &window;
    [[maybe_unused]] const bool removed = m_icon.Remove();
    m_runningInTray = false;
}

void clsTray::ChangeToolTip(ui::Form& window, const std::string& text) {
    if (!m_runningInTray) {
        return;
    }
    m_owner = &window;
    [[maybe_unused]] const bool changed = m_icon.Modify(text);
}

void clsTray::OnMouseMessage(int mouseMessage) {
    if (m_owner != nullptr && m_owner->onTrayMessage) {
        m_owner->onTrayMessage(mouseMessage);
    }
}

}  // namespace shell

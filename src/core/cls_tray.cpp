#include "core/cls_tray.h"

#include <utility>

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
    if (m_runningInTray && m_owner != nullptr && m_owner != &window) {
        m_covered = m_owner;
        m_coveredTip = m_tip;
    }
    m_owner = &window;
    m_tip = window.Caption();
    [[maybe_unused]] const bool shown = m_icon.Add(window.IconResource(), m_tip);
    m_runningInTray = true;
}

void clsTray::RemoveIcon(ui::Form& window) {
    if (m_runningInTray && m_owner != &window) {
        if (m_covered == &window) {
            m_covered = nullptr;
        }
        return;
    }
    m_owner = &window;
    m_tip.clear();
    [[maybe_unused]] const bool removed = m_icon.Remove();
    m_runningInTray = false;

    ui::Form* covered = std::exchange(m_covered, nullptr);
    if (covered != nullptr && covered->IsLoaded() && !covered->Visible()) {
        const std::string tip = std::move(m_coveredTip);
        ShowIcon(*covered);
        ChangeToolTip(*covered, tip);
    }
}

void clsTray::ChangeToolTip(ui::Form& window, const std::string& text) {
    if (!m_runningInTray) {
        return;
    }
    m_owner = &window;
    m_tip = text;
    [[maybe_unused]] const bool changed = m_icon.Modify(text);
}

void clsTray::OnMouseMessage(int mouseMessage) {
    if (m_owner != nullptr && m_owner->onTrayMessage) {
        m_owner->onTrayMessage(mouseMessage);
    }
}

}  // namespace shell

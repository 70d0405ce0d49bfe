#include "ui/control.h"

#include "ui/form.h"

namespace ui {

std::string_view TypeName(ControlType type) noexcept {
    switch (type) {
        case ControlType::Label:
            return "Label";
        case ControlType::SkinLabel:
            return "SkinLabel";
        case ControlType::CommandButton:
            return "CommandButton";
        case ControlType::Frame:
            return "Frame";
        case ControlType::CheckBox:
            return "CheckBox";
        case ControlType::OptionButton:
            return "OptionButton";
        case ControlType::TextBox:
            return "TextBox";
        case ControlType::ComboBox:
            return "ComboBox";
        case ControlType::ListBox:
            return "ListBox";
        case ControlType::ListView:
            return "ListView";
        case ControlType::TabStrip:
            return "TabStrip";
        case ControlType::ProgressBar:
            return "ProgressBar";
        case ControlType::DateTimePicker:
            return "DTPicker";
        case ControlType::Menu:
            return "Menu";
        case ControlType::Timer:
            return "Timer";
        case ControlType::Image:
            return "Image";
        case ControlType::Shape:
            return "Shape";
    }
    return "";
}

Control::Control(Form& owner, ControlType type, std::string name, std::optional<int> index,
                 Control* container)
    : m_owner(owner),
      m_type(type),
      m_name(std::move(name)),
      m_index(index),
      m_container(container) {}

std::string Control::Identity() const {
    return m_index ? m_name + "(" + std::to_string(*m_index) + ")" : m_name;
}

void Control::SetCaption(std::string caption) {
    if (caption == m_caption) {
        return;
    }
    m_caption = std::move(caption);
    Notify(Change::Caption);
}

void Control::SetEnabled(bool enabled) {
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    Notify(Change::Enabled);
    EnabledChanged();
}

void Control::SetVisible(bool visible) {
    if (visible == m_visible) {
        return;
    }
    m_visible = visible;
    Notify(Change::Visible);
}

bool Control::VisibleOnWindow() const noexcept {
    for (const Control* control = this; control != nullptr; control = control->m_container) {
        if (!control->m_visible) {
            return false;
        }
    }
    return true;
}

void Control::SetPosition(Bounds bounds) {
    m_bounds = bounds;
    Notify(Change::Bounds);
}

void Control::SetLook(Look look) {
    if (look == m_look) {
        return;
    }
    m_look = look;
    Notify(Change::Look);
}

void Control::Refresh() {
    Notify(Change::Repaint);
}

void Control::Click() {
    if (onClick) {
        onClick();
    }
}

void Control::MouseDown(const MouseEvent& event) {
    if (onMouseDown) {
        onMouseDown(event);
    }
}

void Control::MouseUp(const MouseEvent& event) {
    if (onMouseUp) {
        onMouseUp(event);
    }
}

void Control::MouseMove(const MouseEvent& event) {
    if (onMouseMove) {
        onMouseMove(event);
    }
}

void Control::Notify(Change change, int index) {
    m_owner.ControlChanged(*this, change, index);
}

}  // namespace ui

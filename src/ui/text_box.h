#pragma once

#include "ui/control.h"

namespace ui {

// A text box. Its text is separate from the caption (which a text box does
// not show); changing the text runs the Change handler.
class TextBox : public Control {
public:
    TextBox(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::TextBox, std::move(name), index, container) {}

    [[nodiscard]] const std::string& Text() const noexcept { return m_text; }
    void SetText(std::string text);

    // A key typed by the user, as its character code (13 for Enter).
    void KeyPress(int keyAscii);

    bool multiLine = false;
    bool readOnly = false;
    bool scrollBars = false;

    std::function<void()> onChange;
    std::function<void(int keyAscii)> onKeyPress;

private:
    std::string m_text;
};

}  // namespace ui

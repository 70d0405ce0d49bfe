#include "ui/text_box.h"

namespace ui {

void TextBox::SetText(std::string text) {
    if (text == m_text) {
        return;
    }
    m_text = std::move(text);
    Notify(Change::Value);
    if (onChange) {
        onChange();
    }
}

void TextBox::KeyPress(int keyAscii) {
    if (onKeyPress) {
        onKeyPress(keyAscii);
    }
}

}  // namespace ui

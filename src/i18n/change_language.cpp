#include <string>

#include "base/text.h"
#include "i18n/languages.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/tab_strip.h"

namespace i18n {

void clsLanguages::ChangeLanguage(ui::Form& form, std::string_view languageName) {
    LoadLanguage(languageName);
    // A block of one line holds no items: the English group is the fallback.
    if (m_translationLines.size() <= 1 || !m_languageLoaded) {
        LoadLanguage(kFallbackLanguage);
    }
    TranslateControls(form);
    const std::string caption = getCaption(base::UpperCase(form.Name()) + "_CAPTION");
    if (!caption.empty()) {
        form.SetCaption(caption);
    }
    TranslateCatalogue();
}

void clsLanguages::TranslateControls(ui::Form& form) const {
    for (const auto& control : form.Controls()) {
        const std::string key = form.Name() + "_" + control->Name();
        switch (control->Type()) {
            case ui::ControlType::Label:
            case ui::ControlType::CommandButton:
            case ui::ControlType::SkinLabel:
            case ui::ControlType::Frame:
            case ui::ControlType::CheckBox: {
                std::string text = getCaption(key);
                if (!text.empty()) {
                    control->SetCaption(std::move(text));
                }
                break;
            }
            case ui::ControlType::TabStrip: {
                auto& tabs = static_cast<ui::TabStrip&>(*control);
                for (int tab = 1; tab <= tabs.TabCount(); ++tab) {
                    std::string text = getCaption(key + "_TABS" + std::to_string(tab));
                    if (!text.empty()) {
                        tabs.SetTabCaption(tab, std::move(text));
                    }
                }
                break;
            }
            case ui::ControlType::ListView: {
                auto& list = static_cast<ui::ListView&>(*control);
                for (int column = 1; column <= list.ColumnCount(); ++column) {
                    std::string text = getCaption(key + "_COL" + std::to_string(column));
                    if (!text.empty()) {
                        list.SetColumnText(column - 1, std::move(text));
                    }
                }
                break;
            }
            case ui::ControlType::OptionButton: {
                // A button outside a control array is keyed by its name alone.
                const std::optional<int> index = control->Index();
                std::string text = getCaption(index ? key + std::to_string(*index) : key);
                if (!text.empty()) {
                    control->SetCaption(std::move(text));
                }
                break;
            }
            case ui::ControlType::Menu: {
                std::string text = getCaption(key + std::to_string(control->Index().value_or(0)));
                if (!text.empty()) {
                    control->SetCaption(std::move(text));
                }
                break;
            }
            default:
                continue;
        }
        control->Refresh();
    }
}

void clsLanguages::TranslateCatalogue() {
    for (MessageSlot& slot : m_slots) {
        if (!slot.used) {
            break;
        }
        std::string text = getCaption(slot.name);
        if (!text.empty()) {
            slot.text = std::move(text);
        }
    }
}

}  // namespace i18n

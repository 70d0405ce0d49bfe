#pragma once

// The messages and window texts in the user's language, as every part of the
// program asks for them. The catalogue itself, and how it reads its
// localisation file, belongs to the language subsystem.

#include <string>
#include <string_view>

#include "ui/form.h"

namespace core {

class MessageCatalogue {
public:
    virtual ~MessageCatalogue() = default;

    // The message for a key (compared without regard to case), ready to show;
    // "" for an unknown key.
    [[nodiscard]] virtual std::string getMessages(std::string_view name) const = 0;

    // Loads the language and translates the window's controls and caption
    // and the whole catalogue.
    virtual void ChangeLanguage(ui::Form& form, std::string_view languageName) = 0;

    [[nodiscard]] virtual const std::string& CurrentLanguage() const noexcept = 0;
    virtual void SetCurrentLanguage(std::string name) = 0;

    // The localisation file that is read now, and whether a path names a
    // localisation file that can be read.
    [[nodiscard]] virtual std::string LocalizationFilePath() const = 0;
    [[nodiscard]] virtual bool LangFileExists(std::string_view path) const = 0;

protected:
    MessageCatalogue() = default;
    MessageCatalogue(const MessageCatalogue&) = default;
    MessageCatalogue& operator=(const MessageCatalogue&) = default;
};

}  // namespace core

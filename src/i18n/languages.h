#pragma once

// The message catalogue and the translation of windows from the localisation
// file "Localization.txt": the one shipped in the program's folder, or the one
// that the language download keeps in the data folder. One instance serves
// the whole program run.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/branding.h"
#include "core/message_catalogue.h"
#include "platform/file_system.h"
#include "platform/text_codec.h"

namespace ui {
class Form;
}

namespace i18n {

inline constexpr std::string_view kLocalizationFileName = "Localization.txt";
inline constexpr std::string_view kFallbackLanguage = "English";
inline constexpr int kMessageSlotCount = 201;

struct MessageSlot {
    std::string name;
    std::string text;
    bool used = false;
};

// The spelling of the class name is the one that localisation files and
// translators know the catalogue by.
class clsLanguages : public core::MessageCatalogue {
public:
    // Without a data folder only the program's own file is read.
    clsLanguages(platform::FileSystem& fs, platform::TextCodec& codec, std::string programFolder,
                 const core::Branding& branding, std::string dataFolder = {});

    // Stores a message in the first unused slot; nothing is stored when all
    // slots are used. An existing message of the same name is not replaced.
    void setMessage(std::string name, std::string text);

    // The message for a key (compared without regard to case), ready to show;
    // "" for an unknown key.
    [[nodiscard]] std::string getMessages(std::string_view name) const override;

    // Loads the language and translates the window's controls and caption
    // and the whole catalogue.
    void ChangeLanguage(ui::Form& form, std::string_view languageName) override;

    // The translated text of a key from the language last loaded, ready to
    // show; "" when the key has no item.
    [[nodiscard]] std::string getCaption(std::string_view key) const;

    [[nodiscard]] bool LangFileExists(std::string_view path) const override;
    [[nodiscard]] static std::string LangTrimPath(std::string_view path);

    // Loads the translation lines of a language from the file; they stay as
    // they were when the file or the language is missing.
    void LoadLanguage(std::string_view languageName);

    // The localisation file that is read now (see LocalizationFileInUse).
    [[nodiscard]] std::string LocalizationFilePath() const override;

    [[nodiscard]] const std::string& CurrentLanguage() const noexcept override {
        return m_currentLanguage;
    }
    void SetCurrentLanguage(std::string name) override { m_currentLanguage = std::move(name); }

    [[nodiscard]] const std::array<MessageSlot, kMessageSlotCount>& MessageSlots() const noexcept {
        return m_slots;
    }
    [[nodiscard]] const std::vector<std::string>& TranslationLines() const noexcept {
        return m_translationLines;
    }

private:
    void TranslateControls(ui::Form& form) const;
    void TranslateCatalogue();

    platform::FileSystem& m_fs;
    platform::TextCodec& m_codec;
    std::string m_programFolder;
    const core::Branding& m_branding;
    std::string m_dataFolder;
    std::array<MessageSlot, kMessageSlotCount> m_slots;
    std::vector<std::string> m_translationLines;
    bool m_languageLoaded = false;
    std::string m_currentLanguage = std::string(kFallbackLanguage);
};

// "Localization.txt" in the folder.
[[nodiscard]] std::string LocalizationFileIn(std::string_view folder);

// The localisation file to read: the downloaded one in the data folder while
// it is a whole localisation file, was written no earlier than the one
// shipped in the program's folder (an update of the program that ships a
// newer file takes over from an older download) and names a version no
// older than the shipped one's; otherwise the shipped one.
[[nodiscard]] std::string LocalizationFileInUse(platform::FileSystem& fs,
                                                std::string_view programFolder,
                                                std::string_view dataFolder);

// The localisation file's text in the ANSI code page: read as UTF-8, a byte
// order mark dropped. nullopt when the file cannot be read.
[[nodiscard]] std::optional<std::string> ReadLocalizationText(platform::FileSystem& fs,
                                                              platform::TextCodec& codec,
                                                              std::string_view path);

// Fills the catalogue with the built-in English messages, in their fixed
// order.
void LoadBuiltInMessages(clsLanguages& catalogue);

}  // namespace i18n

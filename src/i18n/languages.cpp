#include "i18n/languages.h"

#include "base/text.h"
#include "core/file_predicates.h"
#include "i18n/language_download.h"
#include "i18n/localization_file.h"

namespace i18n {

clsLanguages::clsLanguages(platform::FileSystem& fs, platform::TextCodec& codec,
                           std::string programFolder, const core::Branding& branding,
                           std::string dataFolder)
    : m_fs(fs),
      m_codec(codec),
      m_programFolder(std::move(programFolder)),
      m_branding(branding),
      m_dataFolder(std::move(dataFolder)) {}

void clsLanguages::setMessage(std::string name, std::string text) {
    for (MessageSlot& slot : m_slots) {
        if (!slot.used) {
            slot = MessageSlot{std::move(name), std::move(text), true};
            return;
        }
    }
}

std::string clsLanguages::getMessages(std::string_view name) const {
    for (const MessageSlot& slot : m_slots) {
        if (!slot.used) {
            break;
        }
        if (base::EqualsIgnoreCase(slot.name, name)) {
            return core::ApplyBranding(slot.text, m_branding);
        }
    }
    return {};
}

std::string clsLanguages::getCaption(std::string_view key) const {
    std::string text;
    for (const std::string& line : m_translationLines) {
        if (line.empty()) {
            continue;
        }
        if (std::optional<std::string> item = ItemText(line, key)) {
            text = std::move(*item);
            break;
        }
    }
    return core::ApplyBranding(text, m_branding);
}

bool clsLanguages::LangFileExists(std::string_view path) const {
    return core::FileExists(m_fs, path);
}

std::string clsLanguages::LangTrimPath(std::string_view path) {
    return core::FileNameOf(path);
}

std::string clsLanguages::LocalizationFilePath() const {
    return LocalizationFileInUse(m_fs, m_programFolder, m_dataFolder);
}

void clsLanguages::LoadLanguage(std::string_view languageName) {
    m_currentLanguage = std::string(languageName);
    const std::string path = LocalizationFilePath();
    if (!LangFileExists(path)) {
        return;
    }
    const std::optional<std::string> file = ReadLocalizationText(m_fs, m_codec, path);
    if (!file) {
        return;
    }
    for (const LanguageGroup& group : ReadLanguageGroups(*file)) {
        if (!base::EqualsIgnoreCase(group.name, languageName)) {
            continue;
        }
        // Lines end in CR LF; a file saved with bare LF line ends reads the
        // same rather than as one long line.
        m_translationLines = base::SplitLines(TranslationBlock(group.text).value_or(""));
        m_languageLoaded = true;
        return;
    }
}

std::string LocalizationFileIn(std::string_view folder) {
    return std::string(folder) + "\\" + std::string(kLocalizationFileName);
}

std::string LocalizationFileInUse(platform::FileSystem& fs, std::string_view programFolder,
                                  std::string_view dataFolder) {
    const std::string shipped = LocalizationFileIn(programFolder);
    if (dataFolder.empty()) {
        return shipped;
    }
    const std::string downloaded = LocalizationFileIn(dataFolder);
    const std::optional<platform::PathAttributes> download = fs.Attributes(downloaded);
    if (!download || download->directory) {
        return shipped;
    }
    const std::optional<platform::PathAttributes> own = fs.Attributes(shipped);
    if (own && !own->directory && download->lastWrite < own->lastWrite) {
        return shipped;
    }
    // A download spoilt since (an editor's half-saved copy) would cost
    // languages that the shipped file still has.
    const std::optional<std::string> text = fs.ReadWholeFile(downloaded);
    if (!text || !IsCompleteLocalizationFile(*text)) {
        return shipped;
    }
    // Written later is not newer: an old file may have been served again.
    if (const std::optional<std::string> ownText = fs.ReadWholeFile(shipped);
        ownText && IsOlderLocalizationFile(*text, *ownText)) {
        return shipped;
    }
    return downloaded;
}

std::optional<std::string> ReadLocalizationText(platform::FileSystem& fs,
                                                platform::TextCodec& codec, std::string_view path) {
    const std::optional<std::string> bytes = fs.ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    std::string_view utf8 = *bytes;
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") {
        utf8.remove_prefix(3);
    }
    return codec.Utf8ToAnsi(utf8);
}

}  // namespace i18n

#pragma once

// Builds localisation files for tests in the layout the program ships.

#include <string>
#include <utility>
#include <vector>

namespace i18n::testing {

struct Language {
    std::string code;
    std::string name;
    std::vector<std::pair<std::string, std::string>> items;
};

inline std::string LocalizationFile(const std::vector<Language>& languages,
                                    const std::string& lineEnd = "\r\n",
                                    const std::string& version = "1.0") {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + lineEnd;
    text += "<XML_DIZ_INFO>" + lineEnd;
    text += "\t<LOCALIZATION_FILE_INFO>" + lineEnd;
    text += "\t\t<LOCALIZATION_FILE_VERSION>" + version + "</LOCALIZATION_FILE_VERSION>" + lineEnd;
    text += "\t</LOCALIZATION_FILE_INFO>" + lineEnd;
    for (const Language& language : languages) {
        text += "<LANGUAGE_GROUP xml:lang=\"" + language.code + "\">" + lineEnd;
        text += "\t<LANGUAGE_NAME>" + language.name + "</LANGUAGE_NAME>" + lineEnd;
        text += "\t<DESCRIPTION>For translators.</DESCRIPTION>" + lineEnd;
        text += "\t<TRANSLATION_ITEMS>" + lineEnd;
        for (const auto& [key, value] : language.items) {
            text += "\t\t<" + key + ">" + value + "</" + key + ">" + lineEnd;
        }
        text += "\t</TRANSLATION_ITEMS>" + lineEnd;
        text += "</LANGUAGE_GROUP>" + lineEnd;
    }
    text += "</XML_DIZ_INFO>" + lineEnd;
    return text;
}

}  // namespace i18n::testing

// The localisation file that ships with the program: every language is
// complete, and every translatable text of the translated windows has an item.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "base/text.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fakes/virtual_event_loop.h"
#include "i18n/languages.h"
#include "i18n/localization_file.h"
#include "ui/frm_main.h"
#include "ui/frm_quarantine.h"
#include "ui/frm_restore_question.h"
#include "ui/frm_run_at_startup_tool.h"
#include "ui/list_view.h"
#include "ui/small_windows.h"
#include "ui/tab_strip.h"

namespace i18n {
namespace {

struct ShippedLanguage {
    std::string name;
    std::set<std::string> keys;
};

std::vector<ShippedLanguage> ReadShippedFile() {
    std::ifstream file(SHIPPED_LOCALIZATION, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    fakes::Windows1252Codec codec;
    std::vector<ShippedLanguage> languages;
    for (const LanguageGroup& group : ReadLanguageGroups(codec.Utf8ToAnsi(bytes.str()))) {
        ShippedLanguage language{group.name, {}};
        for (const std::string& line :
             base::SplitLines(TranslationBlock(group.text).value_or(""))) {
            const std::size_t open = line.find('<');
            const std::size_t close = line.find('>');
            if (open == std::string::npos || close == std::string::npos || close < open) {
                continue;
            }
            const std::string key = line.substr(open + 1, close - open - 1);
            EXPECT_TRUE(ItemText(line, key).has_value()) << group.name << ": " << line;
            EXPECT_NE(line.find("</" + key + ">"), std::string::npos)
                << group.name << ": no closing tag on " << line;
            language.keys.insert(base::UpperCase(key));
        }
        languages.push_back(std::move(language));
    }
    return languages;
}

// The keys under which the window's translatable texts are looked up.
std::set<std::string> KeysOf(const ui::Form& form) {
    std::set<std::string> keys;
    for (const auto& control : form.Controls()) {
        const std::string key = base::UpperCase(form.Name() + "_" + control->Name());
        switch (control->Type()) {
            case ui::ControlType::Label:
            case ui::ControlType::CommandButton:
            case ui::ControlType::SkinLabel:
            case ui::ControlType::Frame:
            case ui::ControlType::CheckBox:
                // Frames that only hold other controls show no caption, and
                // labels that show a number are values, not texts.
                if (!control->Caption().empty() && !base::WholeNumber(control->Caption())) {
                    keys.insert(key);
                }
                break;
            case ui::ControlType::TabStrip:
                for (int tab = 1; tab <= static_cast<const ui::TabStrip&>(*control).TabCount();
                     ++tab) {
                    keys.insert(key + "_TABS" + std::to_string(tab));
                }
                break;
            case ui::ControlType::ListView:
                for (int column = 1;
                     column <= static_cast<const ui::ListView&>(*control).ColumnCount(); ++column) {
                    keys.insert(key + "_COL" + std::to_string(column));
                }
                break;
            case ui::ControlType::OptionButton:
                keys.insert(control->Index() ? key + std::to_string(*control->Index()) : key);
                break;
            case ui::ControlType::Menu:
                keys.insert(key + std::to_string(control->Index().value_or(0)));
                break;
            default:
                break;
        }
    }
    return keys;
}

TEST(ShippedLocalization, HoldsEnglishAndAtLeastOneMoreLanguage) {
    const std::vector<ShippedLanguage> languages = ReadShippedFile();
    ASSERT_GE(languages.size(), 2u);
    EXPECT_EQ(languages[0].name, "English");
}

TEST(ShippedLocalization, EveryLanguageHasEveryKeyOfEnglish) {
    const std::vector<ShippedLanguage> languages = ReadShippedFile();
    ASSERT_FALSE(languages.empty());
    for (const ShippedLanguage& language : languages) {
        EXPECT_EQ(language.keys, languages[0].keys) << language.name;
    }
}

TEST(ShippedLocalization, EveryBuiltInMessageIsTranslated) {
    const std::vector<ShippedLanguage> languages = ReadShippedFile();
    ASSERT_FALSE(languages.empty());
    fakes::Windows1252Codec codec;
    fakes::FakeFileSystem noFiles;
    core::Branding branding;
    clsLanguages catalogue(noFiles, codec, "", branding);
    LoadBuiltInMessages(catalogue);
    for (const MessageSlot& slot : catalogue.MessageSlots()) {
        if (slot.used) {
            EXPECT_TRUE(languages[0].keys.contains(slot.name)) << slot.name;
        }
    }
}

TEST(ShippedLocalization, EveryTextOfTheTranslatedWindowsHasAnItem) {
    const std::vector<ShippedLanguage> languages = ReadShippedFile();
    ASSERT_FALSE(languages.empty());
    fakes::VirtualEventLoop loop;
    ui::FormContext context(loop);
    ui::FrmMain main(context);
    ui::FrmLanguage language(context);
    ui::FrmRunAtStartupTool startupTool(context);
    ui::FrmQuarantine quarantine(context);
    ui::FrmRestoreQuestion restoreQuestion(context);
    for (const ui::Form* form :
         {static_cast<ui::Form*>(&main), static_cast<ui::Form*>(&language),
          static_cast<ui::Form*>(&startupTool), static_cast<ui::Form*>(&quarantine),
          static_cast<ui::Form*>(&restoreQuestion)}) {
        for (const std::string& key : KeysOf(*form)) {
            EXPECT_TRUE(languages[0].keys.contains(key)) << "no English item for " << key;
        }
    }
}

}  // namespace
}  // namespace i18n

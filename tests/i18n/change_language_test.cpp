#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "i18n/languages.h"
#include "i18n/localization_text.h"
#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"

namespace i18n {
namespace {

using testing::Language;
using testing::LocalizationFile;

const std::string kFolder = "C:\\Program Files\\Sweeper";
const std::string kFile = kFolder + "\\Localization.txt";

// A small main window with one control of every kind that is translated.
class ChangeLanguage : public ::testing::Test {
protected:
    ChangeLanguage() {
        form.SetCaption("Main");
        form.AddButton("cmdScan", "Scan Now", {});
        form.AddLabel("lblStatus", "Status", {});
        form.AddSkinLabel("lblTitle", "Title", {});
        form.AddFrame("frmOptions", "Options", {});
        form.AddCheckBox("chkMakeLog", "Save scan results to log", {});
        form.AddOptionButton("optMode", "Quick", {}, nullptr, 0);
        form.AddOptionButton("optMode", "Complete", {}, nullptr, 1);
        form.AddOptionButton("optSingle", "Single", {});
        form.AddTextBox("txtNote", {});
        ui::TabStrip& tabs = form.AddTabStrip("TabStrip1", {});
        tabs.AddTab("One");
        tabs.AddTab("Two");
        tabs.AddTab("Three");
        ui::ListView& list = form.AddListView("lvwFound", {});
        for (const char* column : {"A", "B", "C", "D"}) {
            list.AddColumn(column, 10);
        }
        ui::Menu& file = form.AddMenu("mnuFile", "File");
        form.AddMenu("mnuFileItem", "Scan Now", &file, 0);
        form.AddMenu("mnuFileItem", "-", &file, 1);
        LoadBuiltInMessages(catalogue);
    }

    void WriteFile(const std::vector<Language>& languages) {
        machine.fileSystem.AddFile(kFile, LocalizationFile(languages));
    }

    std::string Caption(std::string_view name, std::optional<int> index = {}) {
        return form.Find(name, index)->Caption();
    }

    fakes::FakePlatform machine;
    core::Branding branding{"Sweeper", "Acme Labs", "www.acme.example"};
    clsLanguages catalogue{machine.fileSystem, machine.textCodec, kFolder, branding};
    ui::FormContext context{machine.eventLoop};
    ui::Form form{context, "FrmMain"};

    const Language english{"en", "English", {{"FRMMAIN_CMDSCAN", "Scan now"}}};
};

TEST_F(ChangeLanguage, EveryKindOfControlIsKeyedByWindowAndControlName) {
    WriteFile({english,
               {"de",
                "Deutsch",
                {{"FRMMAIN_CMDSCAN", "Jetzt suchen"},
                 {"FRMMAIN_LBLSTATUS", "Zustand"},
                 {"FRMMAIN_LBLTITLE", "Willkommen bei [ProgramName]"},
                 {"FRMMAIN_FRMOPTIONS", "Optionen"},
                 {"FRMMAIN_CHKMAKELOG", "Protokoll speichern"},
                 {"FRMMAIN_OPTMODE0", "Schnell"},
                 {"FRMMAIN_OPTMODE1", "Vollst\xC3\xA4ndig"},
                 {"FRMMAIN_OPTSINGLE", "Einzeln"},
                 {"FRMMAIN_TXTNOTE", "nie"},
                 {"FRMMAIN_TABSTRIP1_TABS1", "Eins"},
                 {"FRMMAIN_TABSTRIP1_TABS3", "Drei"},
                 {"FRMMAIN_LVWFOUND_COL1", "Gefunden"},
                 {"FRMMAIN_LVWFOUND_COL4", "Typ"},
                 {"FRMMAIN_MNUFILE0", "Datei"},
                 {"FRMMAIN_MNUFILEITEM0", "Jetzt suchen"},
                 {"FRMMAIN_MNUFILEITEM1", "-"},
                 {"FRMMAIN_CAPTION", "[ProgramName] von [CompanyName]"}}}});

    catalogue.ChangeLanguage(form, "deutsch");

    EXPECT_EQ(Caption("cmdScan"), "Jetzt suchen");
    EXPECT_EQ(Caption("lblStatus"), "Zustand");
    EXPECT_EQ(Caption("lblTitle"), "Willkommen bei Sweeper");
    EXPECT_EQ(Caption("frmOptions"), "Optionen");
    EXPECT_EQ(Caption("chkMakeLog"), "Protokoll speichern");
    EXPECT_EQ(Caption("optMode", 0), "Schnell");
    EXPECT_EQ(Caption("optMode", 1), "Vollst\xE4ndig");  // UTF-8 in the file, ANSI on screen
    EXPECT_EQ(Caption("optSingle"), "Einzeln");
    EXPECT_EQ(Caption("txtNote"), "");  // text boxes are not translated
    const auto& tabs = static_cast<const ui::TabStrip&>(*form.Find("TabStrip1"));
    EXPECT_EQ(tabs.TabCaption(1), "Eins");
    EXPECT_EQ(tabs.TabCaption(2), "Two");
    EXPECT_EQ(tabs.TabCaption(3), "Drei");
    const auto& list = static_cast<const ui::ListView&>(*form.Find("lvwFound"));
    EXPECT_EQ(list.Column(0).text, "Gefunden");
    EXPECT_EQ(list.Column(1).text, "B");
    EXPECT_EQ(list.Column(3).text, "Typ");
    EXPECT_EQ(Caption("mnuFile"), "Datei");
    EXPECT_EQ(Caption("mnuFileItem", 0), "Jetzt suchen");
    EXPECT_EQ(Caption("mnuFileItem", 1), "-");
    EXPECT_EQ(form.Caption(), "Sweeper von Acme Labs");
    EXPECT_EQ(catalogue.CurrentLanguage(), "deutsch");
}

TEST_F(ChangeLanguage, MessagesOfTheCatalogueAreTranslatedToo) {
    WriteFile({english, {"de", "Deutsch", {{"MSG_SURE", "Sind Sie sicher?"}, {"x", "y"}}}});
    catalogue.ChangeLanguage(form, "Deutsch");
    EXPECT_EQ(catalogue.getMessages("MSG_SURE"), "Sind Sie sicher?");
    EXPECT_EQ(catalogue.getMessages("MSG_STOP"), "Are you sure you want to stop the scan?");
}

TEST_F(ChangeLanguage, AMissingLanguageFallsBackToEnglishOnlyWhenNothingWasLoaded) {
    WriteFile({{"de", "Deutsch", {{"FRMMAIN_CMDSCAN", "Suchen"}, {"A", "a"}}}, english});

    catalogue.ChangeLanguage(form, "Klingon");
    EXPECT_EQ(Caption("cmdScan"), "Scan now");
    EXPECT_EQ(catalogue.CurrentLanguage(), "English");

    catalogue.ChangeLanguage(form, "Deutsch");
    EXPECT_EQ(Caption("cmdScan"), "Suchen");

    // The second language stays in force when the next one is missing.
    form.Find("cmdScan")->SetCaption("changed");
    catalogue.ChangeLanguage(form, "Klingon");
    EXPECT_EQ(Caption("cmdScan"), "Suchen");
    EXPECT_EQ(catalogue.CurrentLanguage(), "Klingon");
}

TEST_F(ChangeLanguage, ALanguageMissingAKeyKeepsThePreviousLanguagesText) {
    WriteFile({{"fr",
                "Fran\xC3\xA7"
                "ais",
                {{"MSG_SURE", "\xC3\x8Ates-vous s\xC3\xBBr ?"}, {"A", "a"}}},
               {"de", "Deutsch", {{"MSG_STOP", "Suche anhalten?"}, {"A", "a"}}}});
    catalogue.ChangeLanguage(form,
                             "Fran\xE7"
                             "ais");
    catalogue.ChangeLanguage(form, "Deutsch");
    EXPECT_EQ(catalogue.getMessages("MSG_SURE"), "\xCAtes-vous s\xFBr ?");
    EXPECT_EQ(catalogue.getMessages("MSG_STOP"), "Suche anhalten?");
}

TEST_F(ChangeLanguage, WithoutAFileNothingIsTranslated) {
    catalogue.ChangeLanguage(form, "Deutsch");
    EXPECT_EQ(Caption("cmdScan"), "Scan Now");
    EXPECT_EQ(form.Caption(), "Main");
    EXPECT_EQ(catalogue.getMessages("MSG_SURE"), "Are you sure?");
}

TEST_F(ChangeLanguage, AnUnreadableFileTranslatesNothing) {
    WriteFile({english});
    machine.fileSystem.AddFile(kFile).unreadable = true;
    catalogue.ChangeLanguage(form, "English");
    EXPECT_EQ(Caption("cmdScan"), "Scan Now");
}

TEST_F(ChangeLanguage, ABlockOfOneLineFallsBackToEnglish) {
    machine.fileSystem.AddFile(
        kFile, LocalizationFile({english}) +
                   "<LANGUAGE_GROUP><LANGUAGE_NAME>Flat</LANGUAGE_NAME><TRANSLATION_ITEMS>"
                   "<FRMMAIN_CMDSCAN>flat</FRMMAIN_CMDSCAN></TRANSLATION_ITEMS></LANGUAGE_GROUP>");
    catalogue.ChangeLanguage(form, "Flat");
    EXPECT_EQ(Caption("cmdScan"), "Scan now");
}

TEST_F(ChangeLanguage, AFileWithBareLineFeedsReadsTheSame) {
    machine.fileSystem.AddFile(
        kFile, LocalizationFile({{"de", "Deutsch", {{"FRMMAIN_CMDSCAN", "Suchen"}}}}, "\n"));
    catalogue.ChangeLanguage(form, "Deutsch");
    EXPECT_EQ(Caption("cmdScan"), "Suchen");
}

TEST_F(ChangeLanguage, AByteOrderMarkIsNotPartOfTheText) {
    machine.fileSystem.AddFile(kFile, "\xEF\xBB\xBF" + LocalizationFile({english}));
    catalogue.ChangeLanguage(form, "English");
    EXPECT_EQ(Caption("cmdScan"), "Scan now");
}

TEST_F(ChangeLanguage, ItemsWithoutClosingTagsOrWithoutControlsHaveNoEffect) {
    machine.fileSystem.AddFile(
        kFile,
        LocalizationFile({{"en", "English", {{"FRMMAIN_NOSUCHCONTROL", "x"}, {"Z", "z"}}}}) + "");
    std::string file = *machine.fileSystem.ReadWholeFile(kFile);
    file.insert(file.find("\t\t<Z>"), "\t\t<FRMMAIN_CMDSCAN>broken\r\n");
    machine.fileSystem.AddFile(kFile, file);
    catalogue.ChangeLanguage(form, "English");
    EXPECT_EQ(Caption("cmdScan"), "Scan Now");
}

TEST_F(ChangeLanguage, CorruptFilesNeverHangOrCrash) {
    for (const std::string& file :
         {std::string("<LANGUAGE_GROUP"), std::string("</LANGUAGE_GROUP><LANGUAGE_GROUP"),
          std::string("<LANGUAGE_GROUP><LANGUAGE_NAME>English"),
          std::string("<LANGUAGE_GROUP><LANGUAGE_NAME>English</LANGUAGE_NAME><TRANSLATION_ITEMS>"
                      "\r\n\t\t<FRMMAIN_CMDSCAN>x\r\n<>\r\n<\r\n>\r\n"),
          std::string("\xFF\xFE<\0L\0", 6)}) {
        machine.fileSystem.AddFile(kFile, file);
        catalogue.ChangeLanguage(form, "English");
    }
    EXPECT_EQ(Caption("cmdScan"), "Scan Now");
}

}  // namespace
}  // namespace i18n

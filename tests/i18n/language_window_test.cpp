#include "i18n/language_window.h"

#include "core/app_fixture.h"
#include "i18n/localization_text.h"

namespace i18n {
namespace {

class LanguageWindow : public core::testing::AppFixture {
protected:
    LanguageWindow() {
        machine.fileSystem.AddFile(
            machine.programFile.folder + "\\Localization.txt",
            testing::LocalizationFile(
                {{"en", "English", {{"FRMMAIN_CMDSCAN", "Scan Now"}, {"MSG_STOP", "Stop?"}}},
                 {"de",
                  "Deutsch",
                  {{"FRMMAIN_CMDSCAN",
                    "Jetzt pr\xC3\xBC"
                    "fen"},
                   {"FRMLANGUAGE_COMMAND2", "Gut"},
                   {"MSG_TITLELANGUAGE", "Sprachauswahl"}}},
                 {"fr",
                  "Fran\xC3\xA7"
                  "ais",
                  {{"FRMMAIN_CMDSCAN", "Analyser"}, {"A", "a"}}}}));
        machine.dialogs.answers = {platform::MessageAnswer::No};
    }

    ui::FrmLanguage& Window() { return app->frmLanguage; }
};

TEST_F(LanguageWindow, OnTheFirstStartItListsTheFileLanguagesWithEnglishChosen) {
    std::vector<std::string> listed;
    std::string shown;
    host.scripts["frmLanguage"] = [&](ui::Form&) {
        listed = Window().Combo1->Items();
        shown = Window().Combo1->Text();
        Window().Command2->Click();
    };
    StartProgram();
    EXPECT_EQ(listed, (std::vector<std::string>{"English", "Deutsch",
                                                "Fran\xE7"
                                                "ais"}));
    EXPECT_EQ(shown, "English");
    EXPECT_EQ(Window().Caption(), "Language Selection");
}

TEST_F(LanguageWindow, PickingALanguageStoresItAndTranslatesBothWindowsAtOnce) {
    host.scripts["frmLanguage"] = [&](ui::Form&) {
        Window().Combo1->SetListIndex(1);
        EXPECT_EQ(Main().cmdScan->Caption(),
                  "Jetzt pr\xFC"
                  "fen");
        EXPECT_EQ(Window().Command2->Caption(), "Gut");
        Window().Command2->Click();
    };
    StartProgram();
    EXPECT_EQ(UserSetting("Settings", "Language"), "Deutsch");
    EXPECT_EQ(Main().cmdScan->Caption(),
              "Jetzt pr\xFC"
              "fen");
}

TEST_F(LanguageWindow, ALanguageNameOutsideAsciiListsAsItMatches) {
    host.scripts["frmLanguage"] = [&](ui::Form&) {
        Window().Combo1->SetListIndex(2);
        Window().Command2->Click();
    };
    StartProgram();
    EXPECT_EQ(Main().cmdScan->Caption(), "Analyser");
}

TEST_F(LanguageWindow, ThePromptItselfChangesNothing) {
    host.scripts["frmLanguage"] = [&](ui::Form&) {
        Window().Combo1->SetText(ui::FrmLanguage::kChooseLanguage);
        Window().Combo1->Click();
        Window().Command2->Click();
    };
    StartProgram();
    EXPECT_EQ(UserSetting("Settings", "Language"), "English");
}

TEST_F(LanguageWindow, WithoutAFileTheListIsEmpty) {
    machine.fileSystem.Remove(machine.programFile.folder + "\\Localization.txt");
    std::size_t listed = 99;
    host.scripts["frmLanguage"] = [&](ui::Form&) {
        listed = Window().Combo1->Items().size();
    };
    StartProgram();
    EXPECT_EQ(listed, 0u);
    EXPECT_TRUE(Main().Visible()) << "closing the window by its box goes on with the start";
}

}  // namespace
}  // namespace i18n

#include "i18n/language_window.h"

#include "i18n/language_download.h"

#include <algorithm>
#include <cstddef>

#include "app/app_fixture.h"
#include "fakes/signed_test_vectors.h"
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

    std::string LocalizationPath() const {
        return machine.programFile.folder + "\\Localization.txt";
    }
    std::string StoredFile() const { return machine.fileSystem.Find(LocalizationPath())->content; }
    // Where a download is kept.
    std::string DownloadPath() const { return DataFile("Localization.txt"); }
    bool Downloaded() const { return machine.fileSystem.Find(DownloadPath()) != nullptr; }

    // How many message boxes said this message (the first start also offers
    // a definitions update).
    std::ptrdiff_t Shown(std::string_view key) const {
        const std::string text = app->Message(key);
        return std::count_if(machine.dialogs.shown.begin(), machine.dialogs.shown.end(),
                             [&](const auto& shown) { return shown.text == text; });
    }

    // Starts the program and, in the language window of the first start,
    // checks for language updates and then reads the list.
    std::vector<std::string> DownloadOnFirstStart() {
        std::vector<std::string> listed;
        host.scripts["frmLanguage"] = [&](ui::Form&) {
            Window().Command1->Click();
            listed = Window().Combo1->Items();
            Window().Command2->Click();
        };
        StartProgram();
        return listed;
    }

    static constexpr const char* kServedUrl = "http://lang.example/Languages/21/Localization.txt";

    // A newer file from the server: Dutch added, English reworded.
    const std::string newerFile =
        testing::LocalizationFile({{"en", "English", {{"FRMMAIN_CMDSCAN", "Scan now!"}}},
                                   {"nl", "Nederlands", {{"FRMMAIN_CMDSCAN", "Nu scannen"}}}});
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

TEST_F(LanguageWindow, ANewerFileFromTheServerIsStoredListedAndUsedAtTheNextChoice) {
    SetUserSetting("Settings", "LanguageServer", "http://lang.example/");
    // A byte order mark and blank lines before the first tag are dropped.
    machine.http.Serve(kServedUrl, "\xEF\xBB\xBF\r\n\r\n" + newerFile);

    const std::string shipped = StoredFile();

    EXPECT_EQ(DownloadOnFirstStart(), (std::vector<std::string>{"English", "Nederlands"}));

    EXPECT_EQ(machine.http.requested.at(0), kServedUrl);
    ASSERT_TRUE(Downloaded());
    EXPECT_EQ(machine.fileSystem.Find(DownloadPath())->content, newerFile + "\r\n");
    EXPECT_EQ(StoredFile(), shipped);
    EXPECT_EQ(Shown("MSG_DOWNLOADED"), 1);
    EXPECT_NE(app->Message("MSG_DOWNLOADED"), "");
    EXPECT_EQ(Main().cmdScan->Caption(), "Scan Now") << "the language in use is not re-applied";
    EXPECT_FALSE(machine.fileSystem.Find(DataFile("Localization.new")));

    Main().mnuLanguageItem->Click();
    EXPECT_EQ(Window().Combo1->Items(), (std::vector<std::string>{"English", "Nederlands"}));
    Window().Combo1->SetListIndex(1);
    EXPECT_EQ(Main().cmdScan->Caption(), "Nu scannen");
    EXPECT_EQ(UserSetting("Settings", "Language"), "Nederlands");
}

TEST_F(LanguageWindow, AKeyedBuildKeepsADownloadOnlyWhenThePublishersSignatureHolds) {
    namespace vectors = fakes::signed_vectors;
    const std::string url = DEFINITIONS_SERVER "/Languages/21/Localization.txt";
    std::string altered = newerFile;
    altered[altered.find("Nu scannen")] = 'X';
    struct Case {
        const char* what;
        std::string file;
        std::optional<std::string> signature;  // nullopt: none served
    };
    const Case refused[] = {
        {"a byte of the file changed", altered, std::string(vectors::kLanguageFileSignature)},
        {"no signature", newerFile, std::nullopt},
        {"a signature cut short", newerFile,
         std::string(vectors::kLanguageFileSignature.substr(0, 100))},
        {"an error page for the signature", newerFile, "<html>404</html>"},
    };
    const std::string before = StoredFile();
    StartProgram();
    app->PublisherKey = vectors::Key(vectors::kPublisherKey);
    const auto download = [&] {
        machine.dialogs.shown.clear();
        Main().mnuLanguageItem->Click();
        Window().Command1->Click();
        std::vector<std::string> listed = Window().Combo1->Items();
        Window().Command2->Click();
        return listed;
    };
    for (const Case& c : refused) {
        machine.http.Serve(url, c.file);
        if (c.signature) {
            machine.http.Serve(url + ".sig", *c.signature);
        } else {
            machine.http.Refuse(url + ".sig");
        }
        EXPECT_EQ(download().size(), 3u) << c.what;
        EXPECT_FALSE(Downloaded()) << c.what;
        EXPECT_EQ(StoredFile(), before) << c.what;
        EXPECT_EQ(Shown("MSG_LANGUAGE_NOT_VERIFIED"), 1) << c.what;
        EXPECT_EQ(Shown("MSG_DOWNLOADED"), 0) << c.what;
    }

    machine.http.Serve(url, newerFile);
    machine.http.Serve(url + ".sig", std::string(vectors::kLanguageFileSignature) + "\r\n");
    EXPECT_EQ(download(), (std::vector<std::string>{"English", "Nederlands"}));
    EXPECT_EQ(Shown("MSG_DOWNLOADED"), 1);

    // An update of the program ships a newer version; the old file, still
    // genuinely signed, served again, does not take its place.
    const std::string shipped =
        testing::LocalizationFile({{"en", "English", {}}, {"sv", "Svenska", {}}}, "\r\n", "1.1");
    machine.fileSystem.AddFile(LocalizationPath(), shipped);
    EXPECT_EQ(download(), (std::vector<std::string>{"English", "Svenska"}));
    EXPECT_EQ(Shown("MSG_LANGUAGE_OLDER"), 1);
    EXPECT_EQ(Shown("MSG_DOWNLOADED"), 0);
    EXPECT_EQ(StoredFile(), shipped);
}

TEST_F(LanguageWindow, AnAnswerWithoutTranslationsChangesNothingAndSaysNothing) {
    const std::string before = StoredFile();
    machine.http.Serve(DEFINITIONS_SERVER "/Languages/21/Localization.txt",
                       "<html><body>404 Not Found</body></html>");
    EXPECT_EQ(DownloadOnFirstStart().size(), 3u);
    EXPECT_EQ(StoredFile(), before);
    const std::size_t boxes = machine.dialogs.shown.size();

    // No server at all: the same.
    machine.http.requested.clear();
    SetUserSetting("Settings", "LanguageServer", "http://nowhere.example");
    Main().mnuLanguageItem->Click();
    Window().Command1->Click();
    EXPECT_EQ(machine.http.requested,
              std::vector<std::string>{"http://nowhere.example/Languages/21/Localization.txt"});
    EXPECT_EQ(StoredFile(), before);
    EXPECT_EQ(machine.dialogs.shown.size(), boxes);
    EXPECT_EQ(Shown("MSG_DOWNLOADED") + Shown("MSG_LANGUAGE_NOT_SAVED"), 0);
    EXPECT_FALSE(Downloaded());
}

// A standard user, for whom the program's folder refuses writes.
TEST_F(LanguageWindow, AStandardUserKeepsTheDownloadInTheDataFolderAndTheProgramReadsItThere) {
    const std::string before = StoredFile();
    ModelInstalledForStandardUser();
    machine.http.Serve(DEFINITIONS_SERVER "/Languages/21/Localization.txt", newerFile);

    EXPECT_EQ(DownloadOnFirstStart(), (std::vector<std::string>{"English", "Nederlands"}));

    EXPECT_EQ(StoredFile(), before);
    EXPECT_TRUE(Downloaded());
    EXPECT_EQ(Shown("MSG_DOWNLOADED"), 1);
    EXPECT_EQ(Shown("MSG_LANGUAGE_NOT_SAVED"), 0);
    Window().Command3->Click();
    ASSERT_EQ(machine.shell.executed.size(), 1u);
    EXPECT_EQ(machine.shell.executed[0].file, DownloadPath())
        << "the translator edits the file in use";

    SetUserSetting("Settings", "Language", "Nederlands");
    RunAgain();
    EXPECT_EQ(Main().cmdScan->Caption(), "Nu scannen");
}

TEST_F(LanguageWindow, ADownloadThatCannotBeSavedKeepsTheFileInUseAndTheUserIsTold) {
    const std::string older =
        testing::LocalizationFile({{"en", "English", {}}, {"it", "Italiano", {}}});
    machine.fileSystem.AddFile(DownloadPath(), older).locked = true;
    machine.http.Serve(DEFINITIONS_SERVER "/Languages/21/Localization.txt", newerFile);

    EXPECT_EQ(DownloadOnFirstStart(), (std::vector<std::string>{"English", "Italiano"}));

    EXPECT_EQ(machine.fileSystem.Find(DownloadPath())->content, older);
    EXPECT_FALSE(machine.fileSystem.Find(DataFile("Localization.new")));
    EXPECT_EQ(Shown("MSG_LANGUAGE_NOT_SAVED"), 1);
    EXPECT_EQ(Shown("MSG_DOWNLOADED"), 0);
}

TEST_F(LanguageWindow, ADownloadIsReadWhileItIsWholeAndNoOlderThanTheShippedFile) {
    const std::vector<std::string> shipped{"English", "Deutsch",
                                           "Fran\xE7"
                                           "ais"};
    const std::vector<std::string> downloaded{"English", "Nederlands"};
    const auto listed = [&] {
        RunAgain();
        Main().mnuLanguageItem->Click();
        return Window().Combo1->Items();
    };
    StartProgram();
    machine.fileSystem.AddFile(DownloadPath(), newerFile);
    EXPECT_EQ(listed(), downloaded);

    // An update of the program ships a file newer than the download.
    machine.fileSystem.AddFile(LocalizationPath(), StoredFile());
    EXPECT_EQ(listed(), shipped);

    // A download spoilt since it was stored.
    machine.fileSystem.AddFile(DownloadPath(), newerFile.substr(0, newerFile.rfind("</XML")));
    EXPECT_EQ(listed(), shipped);

    // Written later, but an older version than the shipped file: an old file
    // served again. A newer version is read.
    const std::string ownFile = StoredFile();
    const auto withVersion = [](std::string file, std::string_view version) {
        const std::size_t at = file.find("1.0</LOCALIZATION_FILE_VERSION>");
        return file.replace(at, 3, version);
    };
    machine.fileSystem.AddFile(LocalizationPath(), withVersion(ownFile, "2.0"));
    machine.fileSystem.AddFile(DownloadPath(), newerFile);
    EXPECT_EQ(listed(), shipped);
    machine.fileSystem.AddFile(DownloadPath(), withVersion(newerFile, "2.0.1"));
    EXPECT_EQ(listed(), downloaded);
}

TEST(LocalizationFileVersion, VersionsCompareAsNumbersAndAFileWithoutOneIsTheOldest) {
    const auto file = [](std::string_view version) {
        return "<XML_DIZ_INFO><LOCALIZATION_FILE_INFO><localization_file_version> " +
               std::string(version) + "\t</LOCALIZATION_FILE_VERSION>";
    };
    EXPECT_EQ(LocalizationFileVersion(file("2.10.0")), (std::vector<std::uint32_t>{2, 10}));
    EXPECT_TRUE(IsOlderLocalizationFile(file("1.9"), file("1.10")));
    EXPECT_FALSE(IsOlderLocalizationFile(file("1.0"), file("1")));
    EXPECT_FALSE(IsOlderLocalizationFile(file("1"), file("1.0.0")));
    for (const std::string_view unreadable : {"", "1.x", "1..2", "-1", "1.0a", "99999999999"}) {
        EXPECT_TRUE(IsOlderLocalizationFile(file(unreadable), file("0.1"))) << unreadable;
    }
    EXPECT_TRUE(IsOlderLocalizationFile("<TRANSLATION_ITEMS>", file("0.1")));
}

TEST_F(LanguageWindow, AFileThatArrivedOnlyInPartKeepsTheOldFileAndTheUserIsTold) {
    const std::string before = StoredFile();
    const std::string url = DEFINITIONS_SERVER "/Languages/21/Localization.txt";
    // The connection dropped before the announced length.
    machine.http.CutShort(url, newerFile, newerFile.find("Nu scannen"));
    EXPECT_EQ(DownloadOnFirstStart().size(), 3u);
    EXPECT_EQ(StoredFile(), before);
    EXPECT_EQ(Shown("MSG_LANGUAGE_INCOMPLETE"), 1);

    // Without an announced length: the last group unclosed, or the end of
    // the file missing after a closed group.
    for (const std::string_view end : {"</LANGUAGE_GROUP>\r\n</XML", "</XML_DIZ_INFO>"}) {
        machine.http.Serve(url, newerFile.substr(0, newerFile.rfind(end)));
        Main().mnuLanguageItem->Click();
        Window().Command1->Click();
        EXPECT_EQ(StoredFile(), before) << end;
    }
    EXPECT_EQ(Shown("MSG_LANGUAGE_INCOMPLETE"), 3);
    EXPECT_EQ(Shown("MSG_DOWNLOADED"), 0);
    EXPECT_NE(app->Message("MSG_LANGUAGE_INCOMPLETE"), "");
    EXPECT_FALSE(Downloaded());
}

TEST_F(LanguageWindow, TranslateOpensTheFileInItsEditorWhenThereIsOne) {
    host.scripts["frmLanguage"] = [&](ui::Form&) {
        Window().Command3->Click();
        Window().Command2->Click();
    };
    StartProgram();
    ASSERT_EQ(machine.shell.executed.size(), 1u);
    EXPECT_EQ(machine.shell.executed[0].verb, "open");
    EXPECT_EQ(machine.shell.executed[0].file, LocalizationPath());
    EXPECT_EQ(machine.shell.executed[0].show, platform::WindowShow::Normal);

    machine.fileSystem.Remove(LocalizationPath());
    Main().mnuLanguageItem->Click();
    EXPECT_TRUE(Window().Visible());
    EXPECT_FALSE(Window().IsModal()) << "the menu opens the window beside the main window";
    Window().Command3->Click();
    EXPECT_EQ(machine.shell.executed.size(), 1u);
}

}  // namespace
}  // namespace i18n

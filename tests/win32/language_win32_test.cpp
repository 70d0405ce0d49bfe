// The language download through the real adapters against the reference
// server on loopback: the new file lands in the program's folder, its new
// language is listed, and picking it translates the main window.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/application.h"
#include "defserver_urls.h"
#include "i18n/languages.h"
#include "platform/win32/platform_win32.h"
#include "temp_folder.h"

namespace {

constexpr char kProduct[] = "Language Test Product";
constexpr char kSettingsKey[] = "Software\\Anti-Spyware Settings\\Language Test Product";

// The real program file, but in a folder of the test's own.
class ProgramInFolder : public platform::ProgramFile {
public:
    ProgramInFolder(platform::ProgramFile& real, std::string folder)
        : m_real(real), m_folder(std::move(folder)) {}
    std::string Path() override { return m_folder + "\\" + BaseName() + ".exe"; }
    std::string Folder() override { return m_folder; }
    std::string BaseName() override { return m_real.BaseName(); }
    platform::VersionResource ReadVersionResource() override {
        return m_real.ReadVersionResource();
    }
    bool PreviousInstanceRunning() override { return false; }

private:
    platform::ProgramFile& m_real;
    std::string m_folder;
};

// Message boxes that are only recorded, since no one is there to close them.
class RecordedDialogs : public platform::Dialogs {
public:
    platform::MessageAnswer ShowMessage(std::string_view text, std::string_view,
                                        platform::MessageButtons, platform::MessageIcon) override {
        texts.emplace_back(text);
        return platform::MessageAnswer::Ok;
    }
    std::vector<std::string> texts;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class LanguageWin32 : public ::testing::Test {
protected:
    LanguageWin32() {
        std::filesystem::copy_file(win32_tests::WindowsPath(SHIPPED_LOCALIZATION),
                                   folder / "Localization.txt");
        app.branding.ProgramName = kProduct;
        app.Catalogue = std::make_unique<i18n::clsLanguages>(ports.fileSystem, ports.textCodec,
                                                             folder.Path(), app.branding);
        i18n::LoadBuiltInMessages(*app.Catalogue);
        app.Catalogue->ChangeLanguage(app.frmMain, "English");
    }
    ~LanguageWin32() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey); }

    win32_tests::TempFolder folder;
    platform::win32::Win32Platform platform;
    ProgramInFolder programFile{platform.Ports().programFile, folder.Path()};
    RecordedDialogs dialogs;
    platform::Platform ports = [this] {
        platform::Platform real = platform.Ports();
        return platform::Platform{real.registry,  real.shellFolders,  real.fileSystem,
                                  programFile,    real.osVersion,     real.shell,
                                  dialogs,        real.clock,         real.eventLoop,
                                  real.textCodec, real.notifyIcon,    real.processes,
                                  real.clipboard, real.systemRestore, real.http,
                                  real.desktop,   real.management,    real.localeFormats};
    }();
    core::Application app{ports};
};

TEST_F(LanguageWin32, ADownloadListsTheNewLanguageAndPickingItTranslatesTheMainWindow) {
    const std::string server = win32_tests::ServerUrl("second");
    ASSERT_FALSE(server.empty()) << "the fixture's servers are not running";
    app.WriteUserSetting("Settings", "LanguageServer", server);

    app.frmMain.mnuLanguageItem->Click();
    ui::FrmLanguage& window = app.frmLanguage;
    ASSERT_TRUE(window.Visible());
    EXPECT_EQ(window.Combo1->Items(), (std::vector<std::string>{"English", "Deutsch"}));

    window.Command1->Click();

    EXPECT_EQ(dialogs.texts, std::vector<std::string>{app.Message("MSG_DOWNLOADED")});
    EXPECT_EQ(window.Combo1->Items(),
              (std::vector<std::string>{"English", "Deutsch", "Nederlands"}));
    const std::string stored = ReadFile(folder / "Localization.txt");
    EXPECT_NE(stored.find("<LANGUAGE_NAME>Nederlands</LANGUAGE_NAME>"), std::string::npos);
    EXPECT_EQ(stored.rfind("</XML_DIZ_INFO>\r\n\r\n"), stored.size() - 19);
    EXPECT_FALSE(::PathFileExistsA((folder / "Localization.new").c_str()));
    EXPECT_EQ(app.frmMain.cmdScan->Caption(), "Scan Now");

    window.Combo1->SetListIndex(2);
    EXPECT_EQ(app.frmMain.cmdScan->Caption(), "Nu scannen");
    EXPECT_EQ(app.ReadUserSetting("Settings", "Language", ""), "Nederlands");
}

TEST_F(LanguageWin32, AServerWithoutALanguageFileLeavesTheFileAsItWas) {
    const std::string server = win32_tests::ServerUrl("first");
    ASSERT_FALSE(server.empty()) << "the fixture's servers are not running";
    app.WriteUserSetting("Settings", "LanguageServer", server);
    const std::string before = ReadFile(folder / "Localization.txt");

    app.frmMain.mnuLanguageItem->Click();
    app.frmLanguage.Command1->Click();

    EXPECT_TRUE(dialogs.texts.empty());
    EXPECT_EQ(ReadFile(folder / "Localization.txt"), before);
    EXPECT_EQ(app.frmLanguage.Combo1->ItemCount(), 2);
}

}  // namespace

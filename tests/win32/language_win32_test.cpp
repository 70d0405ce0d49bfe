// The language download through the real adapters against the reference
// server on loopback: the new file lands in the data folder while the shipped
// one, read-only here as the program's folder is for a standard user, stays
// as it was; its new language is listed, and picking it translates the main
// window.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program.h"
#include "core/application.h"
#include "defserver_urls.h"
#include "i18n/languages.h"
#include "loopback_proxy.h"
#include "platform/win32/handles.h"
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
        app::AttachProgram(app);
        std::filesystem::copy_file(win32_tests::WindowsPath(SHIPPED_LOCALIZATION), Shipped());
        ::SetFileAttributesA(Shipped().c_str(), FILE_ATTRIBUTE_READONLY);
        ::CreateDirectoryA(dataFolder.c_str(), nullptr);
        app.DataFolder = dataFolder;
        // The key of the fixture's servers, whatever key this build carries.
        app.PublisherKey = win32_tests::FixtureKey();
        app.branding.ProgramName = kProduct;
        auto catalogue = std::make_unique<i18n::clsLanguages>(
            ports.fileSystem, ports.textCodec, folder.Path(), app.branding, dataFolder);
        i18n::LoadBuiltInMessages(*catalogue);
        app.Catalogue = std::move(catalogue);
        app.Catalogue->ChangeLanguage(app.frmMain, "English");
    }
    ~LanguageWin32() override {
        ::SetFileAttributesA(Shipped().c_str(), FILE_ATTRIBUTE_NORMAL);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    }

    std::string Shipped() const { return folder / "Localization.txt"; }

    // Gives the shipped file a last write an hour after that of the file.
    void ShipLaterThan(const std::string& file) const {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ASSERT_TRUE(::GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
        ULARGE_INTEGER time{};
        time.LowPart = data.ftLastWriteTime.dwLowDateTime;
        time.HighPart = data.ftLastWriteTime.dwHighDateTime;
        time.QuadPart += 36'000'000'000ULL;
        const FILETIME later{time.LowPart, time.HighPart};
        const platform::win32::UniqueFileHandle shipped(
            ::CreateFileA(Shipped().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(shipped);
        EXPECT_TRUE(::SetFileTime(shipped.Get(), nullptr, nullptr, &later));
    }

    win32_tests::TempFolder folder;
    const std::string dataFolder = folder / "AntiSpywareDAT";
    platform::win32::Win32Platform platform;
    ProgramInFolder programFile{platform.Ports().programFile, folder.Path()};
    RecordedDialogs dialogs;
    platform::Platform ports = [this] {
        platform::Platform real = platform.Ports();
        return platform::Platform{real.registry,
                                  real.shellFolders,
                                  real.fileSystem,
                                  programFile,
                                  real.osVersion,
                                  real.shell,
                                  dialogs,
                                  real.clock,
                                  real.eventLoop,
                                  real.textCodec,
                                  real.notifyIcon,
                                  real.processes,
                                  real.clipboard,
                                  real.systemRestore,
                                  real.http,
                                  real.desktop,
                                  real.management,
                                  real.localeFormats,
                                  real.signatureVerifier,
                                  real.deviceManagement,
                                  real.hashing,
                                  real.fileOrigin,
                                  real.environment,
                                  real.services,
                                  real.scheduledTasks,
                                  real.elevation};
    }();
    core::Application app{ports};
};

TEST_F(LanguageWin32, ADownloadListsTheNewLanguageAndPickingItTranslatesTheMainWindow) {
    const std::string server = win32_tests::ServerUrl("second");
    ASSERT_FALSE(server.empty()) << "the fixture's servers are not running";
    app.WriteUserSetting("Settings", "LanguageServer", server);
    const std::string shipped = ReadFile(Shipped());

    app.frmMain.mnuLanguageItem->Click();
    ui::FrmLanguage& window = app.frmLanguage;
    ASSERT_TRUE(window.Visible());
    EXPECT_EQ(window.Combo1->Items(), (std::vector<std::string>{"English", "Deutsch"}));

    window.Command1->Click();

    EXPECT_EQ(dialogs.texts, std::vector<std::string>{app.Message("MSG_DOWNLOADED")});
    EXPECT_EQ(window.Combo1->Items(),
              (std::vector<std::string>{"English", "Deutsch", "Nederlands"}));
    const std::string stored = ReadFile(dataFolder + "\\Localization.txt");
    EXPECT_NE(stored.find("<LANGUAGE_NAME>Nederlands</LANGUAGE_NAME>"), std::string::npos);
    EXPECT_EQ(stored.rfind("</XML_DIZ_INFO>\r\n\r\n"), stored.size() - 19);
    EXPECT_FALSE(::PathFileExistsA((dataFolder + "\\Localization.new").c_str()));
    EXPECT_EQ(ReadFile(Shipped()), shipped);
    EXPECT_EQ(app.frmMain.cmdScan->Caption(), "Scan Now");

    window.Combo1->SetListIndex(2);
    EXPECT_EQ(app.frmMain.cmdScan->Caption(), "Nu scannen");
    EXPECT_EQ(app.ReadUserSetting("Settings", "Language", ""), "Nederlands");

    // An update of the program then ships a file written after the download:
    // that one is read again.
    ShipLaterThan(dataFolder + "\\Localization.txt");
    window.Unload();
    app.frmMain.mnuLanguageItem->Click();
    EXPECT_EQ(window.Combo1->Items(), (std::vector<std::string>{"English", "Deutsch"}));
}

TEST_F(LanguageWin32, AFileAlteredOnTheWayIsNotKeptAndTheUserIsTold) {
    const std::string server = win32_tests::ServerUrl("second");
    ASSERT_FALSE(server.empty()) << "the fixture's servers are not running";
    if (!app.PublisherKey) {
        GTEST_SKIP() << "the fixture's servers do not sign (a defserver without --signing-key)";
    }
    const std::string shipped = ReadFile(Shipped());
    for (const bool alterSignature : {false, true}) {
        win32_tests::LoopbackProxy proxy(
            win32_tests::PortOf(server), [&](std::string_view path, std::string body) {
                const bool isSignature = path.size() > 4 && path.substr(path.size() - 4) == ".sig";
                if (isSignature == alterSignature) {
                    const std::size_t at = body.find("Nederlands");
                    body[at == std::string::npos ? body.size() / 2 : at] ^= 0x01;
                }
                return body;
            });
        app.WriteUserSetting("Settings", "LanguageServer", proxy.Url());
        dialogs.texts.clear();
        app.frmMain.mnuLanguageItem->Click();
        app.frmLanguage.Command1->Click();
        EXPECT_EQ(dialogs.texts, std::vector<std::string>{app.Message("MSG_LANGUAGE_NOT_VERIFIED")})
            << (alterSignature ? "the signature altered" : "the file altered");
        EXPECT_FALSE(::PathFileExistsA((dataFolder + "\\Localization.txt").c_str()));
        EXPECT_EQ(app.frmLanguage.Combo1->ItemCount(), 2);
        app.frmLanguage.Unload();
    }
    EXPECT_EQ(ReadFile(Shipped()), shipped);

    app.WriteUserSetting("Settings", "LanguageServer", server);
    dialogs.texts.clear();
    app.frmMain.mnuLanguageItem->Click();
    app.frmLanguage.Command1->Click();
    EXPECT_EQ(dialogs.texts, std::vector<std::string>{app.Message("MSG_DOWNLOADED")});
}

TEST_F(LanguageWin32, AServerWithoutALanguageFileLeavesTheFileAsItWas) {
    const std::string server = win32_tests::ServerUrl("first");
    ASSERT_FALSE(server.empty()) << "the fixture's servers are not running";
    app.WriteUserSetting("Settings", "LanguageServer", server);
    const std::string before = ReadFile(Shipped());

    app.frmMain.mnuLanguageItem->Click();
    app.frmLanguage.Command1->Click();

    EXPECT_TRUE(dialogs.texts.empty());
    EXPECT_EQ(ReadFile(Shipped()), before);
    EXPECT_FALSE(::PathFileExistsA((dataFolder + "\\Localization.txt").c_str()));
    EXPECT_EQ(app.frmLanguage.Combo1->ItemCount(), 2);
}

}  // namespace

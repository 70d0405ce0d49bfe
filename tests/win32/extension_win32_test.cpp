// Browser extensions through the real adapters: a Chrome profile, an
// installer's registration in the machine's 32-bit view and a Firefox
// profile in the prefix, scanned against a definition; a removal refused
// while Chrome holds its lock file, then done with Chrome closed, and all of
// it put back from the quarantine.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "core/application.h"
#include "definitions/line_code.h"
#include "i18n/languages.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_restore.h"
#include "removal/removal_run.h"
#include "scan/extension_scan.h"
#include "scan/finding_lists.h"
#include "temp_folder.h"

namespace {

constexpr char kEvilId[] = "aaaabbbbccccddddeeeeffffgggghhhh";
constexpr char kStoreId[] = "bbbbccccddddeeeeffffgggghhhhiiii";
constexpr char kPushedId[] = "ccccddddeeeeffffgggghhhhiiiijjjj";
constexpr char kRegistrations[] = "Software\\Google\\Chrome\\Extensions";

std::string Folder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

void WriteFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void DeleteRegistration() {
    platform::win32::UniqueRegKey software;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY,
                        software.Put()) == ERROR_SUCCESS) {
        ::RegDeleteTreeA(software.Get(), std::string(kRegistrations).substr(9).c_str());
    }
}

class ExtensionWin32 : public ::testing::Test {
protected:
    ExtensionWin32() { app::AttachProgram(app); }
    void SetUp() override {
        app.DataFolder = data.Path();
        auto catalogue = std::make_unique<i18n::clsLanguages>(
            app.ports.fileSystem, app.ports.textCodec, data.Path(), app.branding, data.Path());
        i18n::LoadBuiltInMessages(*catalogue);
        app.Catalogue = std::move(catalogue);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_chromeProfile);
        std::filesystem::remove_all(m_firefoxProfile);
        DeleteRegistration();
    }

    const std::string m_chromeProfile =
        Folder(CSIDL_LOCAL_APPDATA) + "\\Google\\Chrome\\User Data\\Wine Extension Profile";
    const std::string m_firefoxProfile =
        Folder(CSIDL_APPDATA) + "\\Mozilla\\Firefox\\Profiles\\wineext.default";
    win32_tests::TempFolder data;
    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
};

TEST_F(ExtensionWin32, DefinedAndRiskyExtensionsAreFoundRemovedAndPutBack) {
    const std::string preferences =
        std::string(R"({"extensions": {"settings": {")") + kEvilId +
        R"(": {"location": 1, "path": ")" + kEvilId + R"(\\2.1_0"}, ")" + kStoreId +
        R"(": {"location": 1, "manifest": {"name": "Tabs", "chrome_url_overrides": )"
        R"({"newtab": "t.html"}}}}}})";
    WriteFile(m_chromeProfile + "\\Preferences", preferences);
    const std::string folder = m_chromeProfile + "\\Extensions\\" + kEvilId + "\\2.1_0";
    WriteFile(folder + "\\manifest.json",
              R"({"name": "__MSG_n__", "version": "2.1", "default_locale": "en"})");
    WriteFile(folder + "\\_locales\\en\\messages.json", R"({"n": {"message": "Search Helper"}})");
    {
        platform::win32::UniqueRegKey key;
        ASSERT_EQ(::RegCreateKeyExA(
                      HKEY_LOCAL_MACHINE, (std::string(kRegistrations) + "\\" + kPushedId).c_str(),
                      0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY, nullptr, key.Put(), nullptr),
                  ERROR_SUCCESS);
    }
    WriteFile(m_firefoxProfile + "\\extensions.json",
              R"({"addons": [{"id": "spy@example", "location": "app-profile", "active": true,)"
              R"( "defaultLocale": {"name": "Spy"}, "version": "1"}]})");
    WriteFile(data / "ExtensionDefinition.dat",
              definitions::EncodeDefinitionLine(std::string(kEvilId) + "=EvilSearch|chromium") +
                  "\r\n" + definitions::EncodeDefinitionLine("spy@example=Spy Ware|firefox") +
                  "\r\n");

    scan::ScanBrowserExtensions(app);
    std::vector<std::string> names;
    const ui::ListView& removal = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    for (int row = 0; row < removal.ItemCount(); ++row) {
        names.push_back(removal.Item(row).text + " | " + removal.Item(row).SubItem(1));
    }
    std::sort(names.begin(), names.end());
    const std::string wow = app.ports.registry.HasWow32View() ? "\\WOW6432Node" : "";
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "EvilSearch (Chrome, Wine Extension Profile): Search Helper 2.1 | " + folder,
                  "Risky extension (Chrome): " + std::string(kPushedId) +
                      " - Installed by another program through the registry | "
                      "HKEY_LOCAL_MACHINE\\SOFTWARE" +
                      wow + "\\Google\\Chrome\\Extensions\\" + kPushedId,
                  "Spy Ware (Firefox, wineext.default): Spy 1 | " + m_firefoxProfile +
                      "\\extensions.json\\spy@example",
              }));

    // Chrome runs: it holds its user data's lock file open, sharing it for
    // reading only, and it goes when Chrome ends.
    const std::string lock =
        std::filesystem::path(m_chromeProfile).parent_path().string() + "\\lockfile";
    {
        platform::win32::UniqueFileHandle held(
            ::CreateFileA(lock.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                          FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        ASSERT_TRUE(held);
        scan::cmdSelectAll_Click(app);
        removal::lblRemove_Click(app);
        EXPECT_EQ(app.frmDelete.lstProblem->ItemCount(), 1);
        EXPECT_EQ(removal.ItemCount(), 1);
        EXPECT_EQ(ReadFile(m_chromeProfile + "\\Preferences"), preferences);
        EXPECT_TRUE(std::filesystem::exists(folder + "\\manifest.json"));
    }
    const std::string firefoxAddons = ReadFile(m_firefoxProfile + "\\extensions.json");
    EXPECT_EQ(firefoxAddons.find("spy@example"), std::string::npos);

    app.frmDelete.lstProblem->Clear();
    scan::cmdSelectAll_Click(app);
    removal::lblRemove_Click(app);
    EXPECT_EQ(app.frmDelete.lstProblem->ItemCount(), 0);
    EXPECT_EQ(removal.ItemCount(), 0);
    const std::string removed = ReadFile(m_chromeProfile + "\\Preferences");
    EXPECT_EQ(removed.find(kEvilId), std::string::npos);
    EXPECT_NE(removed.find(kStoreId), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_chromeProfile + "\\Extensions\\" + kEvilId));
    const auto registered = [&] {
        platform::win32::UniqueRegKey key;
        return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                               (std::string(kRegistrations) + "\\" + kPushedId).c_str(), 0,
                               KEY_READ | KEY_WOW64_32KEY, key.Put()) == ERROR_SUCCESS;
    };
    EXPECT_FALSE(registered());

    for (const removal::QuarantineEntry& entry :
         removal::ListQuarantine(app.ports.fileSystem, app.ports.textCodec, app.DataFolder)) {
        EXPECT_EQ(removal::RestoreQuarantined(app, entry, removal::RestorePlace::Original).outcome,
                  removal::RestoreOutcome::Restored)
            << entry.location;
    }
    EXPECT_EQ(ReadFile(m_chromeProfile + "\\Preferences"), preferences);
    EXPECT_EQ(ReadFile(m_firefoxProfile + "\\extensions.json"),
              R"({"addons": [{"id": "spy@example", "location": "app-profile", "active": true,)"
              R"( "defaultLocale": {"name": "Spy"}, "version": "1"}]})");
    EXPECT_TRUE(std::filesystem::exists(folder + "\\_locales\\en\\messages.json"));
    EXPECT_TRUE(registered());
}

}  // namespace

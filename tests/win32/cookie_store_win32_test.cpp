// Browsers' cookie stores through the real adapters: stores of Chrome's and
// Firefox's own schemas in the profile folders of the prefix, scanned,
// removed, put back, and a store that a running browser holds open.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/program.h"
#include "core/application.h"
#include "fakes/cookie_store_images.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "removal/cookie_store_restore.h"
#include "removal/quarantine_index.h"
#include "removal/removal_run.h"
#include "scan/cookie_store_scan.h"
#include "scan/finding_lists.h"
#include "temp_folder.h"

namespace {

using fakes::StoreCookie;

std::string Folder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    return path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

const std::vector<StoreCookie> kRows{{".tracker.com", "id", "/", "1"},
                                     {"pixel.tracker.com", "px", "/p", "2"},
                                     {"innocent.example", "s", "/", "3"}};

class CookieStoreWin32 : public ::testing::Test {
protected:
    CookieStoreWin32() { app::AttachProgram(app); }
    void SetUp() override {
        std::filesystem::remove_all(m_chromeProfile);
        std::filesystem::remove_all(m_firefoxProfile);
        WriteFile(chrome, fakes::ChromeStoreImage(kRows));
        WriteFile(firefox, fakes::FirefoxStoreImage(kRows, fakes::JournalMode::WriteAheadLog));
        app.DataFolder = data.Path();
    }
    void TearDown() override {
        std::filesystem::remove_all(m_chromeProfile);
        std::filesystem::remove_all(m_firefoxProfile);
    }

    void ScanAndRemove() {
        std::int32_t counter = 0;
        scan::ScanCookieStores(app, {"tracker.com", ""}, counter);
        scan::cmdSelectAll_Click(app);
        removal::lblRemove_Click(app);
    }

    std::vector<StoreCookie> Rows(const std::string& path, bool& valid) {
        return fakes::StoreCookies(ReadFile(path), &valid);
    }

    const std::string m_chromeProfile =
        Folder(CSIDL_LOCAL_APPDATA) + "\\Google\\Chrome\\User Data\\Wine Test Profile";
    const std::string m_firefoxProfile =
        Folder(CSIDL_APPDATA) + "\\Mozilla\\Firefox\\Profiles\\winetest.default";
    const std::string chrome = m_chromeProfile + "\\Network\\Cookies";
    const std::string firefox = m_firefoxProfile + "\\cookies.sqlite";
    win32_tests::TempFolder data;
    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
};

TEST_F(CookieStoreWin32, TrackingRowsAreRemovedAndPutBackAndTheStoresStayValid) {
    ScanAndRemove();
    EXPECT_TRUE(app.frmDelete.lstProblem->Items().empty());
    for (const std::string& store : {chrome, firefox}) {
        bool valid = false;
        EXPECT_EQ(Rows(store, valid), (std::vector<StoreCookie>{kRows[2]})) << store;
        EXPECT_TRUE(valid) << store;
    }
    std::vector<removal::QuarantineEntry> saved;
    for (const removal::QuarantineEntry& entry : removal::LoadQuarantineEntries(
             app.ports.fileSystem, app.ports.textCodec, app.DataFolder)) {
        if (entry.kind == removal::QuarantineKind::CookieRows) {
            saved.push_back(entry);
        }
    }
    ASSERT_EQ(saved.size(), 2U);
    std::vector<StoreCookie> all = kRows;
    std::sort(all.begin(), all.end());
    for (const removal::QuarantineEntry& entry : saved) {
        const removal::CookieRestore restored = removal::RestoreCookieRows(app, entry);
        EXPECT_EQ(restored.status, removal::CookieRestoreStatus::Restored) << entry.location;
        EXPECT_EQ(restored.restored, 2) << entry.location;
        bool valid = false;
        EXPECT_EQ(Rows(entry.location, valid), all) << entry.location;
        EXPECT_TRUE(valid) << entry.location;
    }
}

TEST_F(CookieStoreWin32, AStoreHeldOpenByItsBrowserIsListedAndNotDamaged) {
    const std::string before = ReadFile(chrome);
    {
        // As a running browser holds it: others may read, but not replace it.
        platform::win32::UniqueFileHandle held(
            ::CreateFileA(chrome.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held.IsValid());
        ScanAndRemove();
    }
    EXPECT_EQ(ReadFile(chrome), before);
    EXPECT_FALSE(std::filesystem::exists(chrome + ".new"));
    ASSERT_EQ(app.frmDelete.lstProblem->Items().size(), 1U);
    EXPECT_EQ(app.frmDelete.lstProblem->Items()[0].rfind(chrome + " (tracker.com) - ", 0), 0U)
        << app.frmDelete.lstProblem->Items()[0];
    bool valid = false;
    EXPECT_EQ(Rows(firefox, valid), (std::vector<StoreCookie>{kRows[2]}));
    EXPECT_TRUE(valid);
}

}  // namespace

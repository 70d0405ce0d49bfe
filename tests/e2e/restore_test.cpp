// A seeded machine scanned and cleaned through the real adapters, then every
// removed item put back through the real program's quarantine window, as a
// user would: files, a folder tree and a cookie byte for byte with their
// attributes, registry keys and values with their types and data, and a
// browser's cookies back into its store beside the ones it kept. The
// restored items are added to the exclusions, so the next scan finds none.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/program.h"
#include "core/application.h"
#include "core/branding.h"
#include "core/definition_counts.h"
#include "definitions/line_code.h"
#include "driver/driver.h"
#include "fakes/cookie_store_images.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "program_under_test.h"
#include "redirected_app_data.h"
#include "removal/removal_run.h"
#include "scan/finding_lists.h"
#include "scan/scan_run.h"

namespace e2e {
namespace {

using platform::win32::UniqueRegKey;

constexpr char kSeedKey[] = "Software\\RestoreSeedWidgets";

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

DWORD AttributesOf(const std::string& path) {
    return ::GetFileAttributesA(path.c_str());
}

std::string Coded(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += definitions::EncodeDefinitionLine(line) + "\r\n";
    }
    return text;
}

struct TypedValue {
    const char* name;
    DWORD type;
    std::string data;
};

// One value of every common type, with bytes that a careless copy would
// change: an embedded line break, a variable left unexpanded, a NUL inside
// binary data, several strings in one.
const std::vector<TypedValue>& KeyValues() {
    static const std::vector<TypedValue> values{
        {"Text", REG_SZ, std::string("line one\r\nline two", 19)},
        {"Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\system32", 22)},
        {"Number", REG_DWORD, std::string("\x2A\x00\x00\x80", 4)},
        {"Blob", REG_BINARY, std::string("\x00\xFF\x10\x00\x7F", 5)},
        {"List", REG_MULTI_SZ, std::string("first\0second\0\0", 14)},
        {"", REG_SZ, std::string("default", 8)},
    };
    return values;
}

void SetValue(const std::string& path, const TypedValue& value) {
    UniqueRegKey key;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(),
                      nullptr);
    ::RegSetValueExA(key.Get(), value.name, 0, value.type,
                     reinterpret_cast<const BYTE*>(value.data.data()),
                     static_cast<DWORD>(value.data.size()));
}

// The value's type and bytes; an absent value has type REG_NONE and no bytes.
TypedValue ReadValue(const std::string& path, const char* name) {
    TypedValue value{name, REG_NONE, {}};
    UniqueRegKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS) {
        return value;
    }
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return value;
    }
    value.data.resize(size);
    ::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value.data.data()),
                       &size);
    value.data.resize(size);
    value.type = type;
    return value;
}

bool KeyExists(const std::string& path) {
    UniqueRegKey key;
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Put()) ==
           ERROR_SUCCESS;
}

std::vector<std::string> Rows(const ui::ListView& list) {
    std::vector<std::string> rows;
    for (int row = 0; row < list.ItemCount(); ++row) {
        rows.push_back(list.Item(row).text);
    }
    return rows;
}

class Restore : public ::testing::Test {
protected:
    void SetUp() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSeedKey);
        ::CreateDirectoryA(m_appData.c_str(), nullptr);
        ::CreateDirectoryA(m_data.c_str(), nullptr);
        char cookies[MAX_PATH] = {};
        ::SHGetSpecialFolderPathA(nullptr, cookies, CSIDL_COOKIES, TRUE);
        m_cookie = std::string(cookies) + "\\tester@restoreseed-tracker[1].txt";
    }
    void TearDown() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSeedKey);
        ::DeleteFileA(m_cookie.c_str());
        std::error_code error;
        std::filesystem::remove_all(m_chromeProfile, error);
    }

    // A scan of the seeded machine by this process, as the program scans.
    std::unique_ptr<core::Application> Scanned() {
        auto app = std::make_unique<core::Application>(m_platform.Ports());
        app::AttachProgram(*app);
        app->branding = core::LoadBranding(m_platform.Ports().programFile);
        app->frmMain.Show();
        app->DataFolder = m_data;
        app->TotalDefinitionLines = definitions::CountDefinitions(m_platform.Ports().fileSystem,
                                                                  app->DataFolder, app->counts);
        app->exclusions.LoadExclusions(m_platform.Ports().fileSystem, m_platform.Ports().textCodec,
                                       m_platform.Ports().eventLoop, app->DataFolder);
        scan::cmdScanNow_Click(*app);
        return app;
    }

    TempFolder m_profile;
    const std::string m_appData = m_profile.Path() + "\\AppData";
    const std::string m_data = m_appData + "\\AntiSpywareDAT";
    const std::string m_machine = m_profile.Path() + "\\Machine";
    win32_tests::RedirectedAppData m_redirected{m_appData};
    platform::win32::Win32Platform m_platform;
    std::string m_cookie;
    const std::string m_chromeProfile = [] {
        char local[MAX_PATH] = {};
        ::SHGetSpecialFolderPathA(nullptr, local, CSIDL_LOCAL_APPDATA, TRUE);
        return std::string(local) + "\\Google\\Chrome\\User Data\\Restore Test Profile";
    }();
};

TEST_F(Restore, EveryRemovedItemComesBackThroughTheQuarantineWindowAndStaysExcluded) {
    // The machine: a file, a folder tree with hidden and read-only files, a
    // cookie, a key with values of every type and a subkey, and two values
    // of their own.
    const std::string widgets = m_machine + "\\Widgets";
    const std::string tree = m_machine + "\\Tree";
    for (const std::string& folder : {m_machine, widgets, tree, tree + "\\sub"}) {
        ::CreateDirectoryA(folder.c_str(), nullptr);
    }
    const std::string widget = widgets + "\\widget.dll";
    WriteFile(widget, std::string("MZ\0widget\r\n", 11));
    WriteFile(tree + "\\run.ini", "[run]\r\n");
    WriteFile(tree + "\\sub\\hidden.bin", std::string("\0\1\2hidden", 9));
    ::SetFileAttributesA((tree + "\\sub\\hidden.bin").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteFile(tree + "\\sub\\readonly.txt", "read-only");
    ::SetFileAttributesA((tree + "\\sub\\readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string cookieContent = "id\n7\nrestoreseed-tracker.example/\n0\n*\n";
    WriteFile(m_cookie, cookieContent);
    const std::string whole = std::string(kSeedKey) + "\\Whole";
    for (const TypedValue& value : KeyValues()) {
        SetValue(whole, value);
    }
    SetValue(whole + "\\Deeper", {"Inner", REG_SZ, std::string("inner", 6)});
    const TypedValue text{"Loose", REG_SZ, std::string("loose text", 11)};
    const TypedValue number{"Count", REG_DWORD, std::string("\x07\x00\x00\x00", 4)};
    SetValue(kSeedKey, text);
    SetValue(kSeedKey, number);
    SetValue(kSeedKey, {"Keep", REG_SZ, std::string("kept", 5)});

    // Chrome's store: two cookies of the tracker, one of an innocent site.
    const std::vector<fakes::StoreCookie> storeRows{
        {".restoreseed-tracker.example", "id", "/", "1"},
        {"pixel.restoreseed-tracker.example", "px", "/p", "2"},
        {"innocent.example", "session", "/", "3"}};
    const std::string store = m_chromeProfile + "\\Network\\Cookies";
    std::filesystem::create_directories(m_chromeProfile + "\\Network");
    WriteFile(store, fakes::ChromeStoreImage(storeRows));
    const auto storeCookies = [&] {
        std::vector<fakes::StoreCookie> rows = fakes::StoreCookies(ReadFile(store));
        std::sort(rows.begin(), rows.end());
        return rows;
    };

    const std::string seed = std::string("1^") + kSeedKey;
    WriteFile(m_data + "\\RegistryDefinition.dat",
              Coded({seed + "\\Whole^=Seed.Key", seed + "^Loose^=Seed.Loose",
                     seed + "^Count^=Seed.Count"}));
    WriteFile(m_data + "\\FileDefinition.dat", Coded({"widget.dll=Seed.File|" + widgets}));
    WriteFile(m_data + "\\DirectoryDefinition.dat", Coded({"tree=Seed.Folder|" + tree}));
    WriteFile(m_data + "\\ExeDefinition.dat", "");
    WriteFile(m_data + "\\BlockedCookies.dat", Coded({"restoreseed-tracker.example"}));

    {
        std::unique_ptr<core::Application> app = Scanned();
        ASSERT_EQ(Rows(*app->frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved).size(), 7u)
            << ::testing::PrintToString(Rows(*app->frmMain.lvwSpywareFound));
        scan::cmdSelectAll_Click(*app);
        removal::lblRemove_Click(*app);
    }
    ASSERT_EQ(AttributesOf(widget), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(AttributesOf(tree), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(AttributesOf(m_cookie), INVALID_FILE_ATTRIBUTES);
    ASSERT_FALSE(KeyExists(whole));
    ASSERT_EQ(ReadValue(kSeedKey, "Loose").type, static_cast<DWORD>(REG_NONE));
    ASSERT_EQ(ReadValue(kSeedKey, "Count").type, static_cast<DWORD>(REG_NONE));
    ASSERT_EQ(storeCookies(), std::vector<fakes::StoreCookie>{storeRows[2]});

    // The real program, its quarantine window, every item checked, Restore.
    ProgramUnderTest program(BuiltProgram());
    program.MakeReturningUser();
    ASSERT_TRUE(program.Start());
    HWND main = driver::FindForm("FrmMain", program.ProcessId());
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(driver::ChooseMenu(main, "mnuQuarItem(2)"));
    HWND window = driver::FindForm("frmQuarantine", program.ProcessId());
    ASSERT_NE(window, nullptr) << "the quarantine window did not open";
    HWND list = driver::FindControl(window, "lvwItems");
    ASSERT_TRUE(driver::WaitFor([&] { return driver::ListItemCount(list) == 7; }))
        << driver::ListItemCount(list) << " items listed";
    for (int item = 0; item < 7; ++item) {
        ASSERT_TRUE(driver::CheckListItem(list, item, true));
    }
    HWND restore = driver::FindControl(window, "cmdRestore");
    ASSERT_TRUE(driver::IsShown(restore));
    ASSERT_TRUE(driver::WaitFor([&] { return ::IsWindowEnabled(restore) != FALSE; }));
    driver::Click(restore);

    // The question, with the offer to exclude the items checked.
    HWND question = driver::FindForm("frmRestoreQuestion", program.ProcessId());
    ASSERT_NE(question, nullptr) << "Restore asked nothing";
    HWND exclude = driver::FindControl(question, "chkExclude");
    ASSERT_NE(exclude, nullptr);
    EXPECT_EQ(::SendMessageA(exclude, BM_GETCHECK, 0, 0), BST_CHECKED)
        << "the offer to exclude is checked by default";
    driver::Click(driver::FindControl(question, "cmdYes"));
    EXPECT_TRUE(driver::WaitFor([&] { return driver::ListItemCount(list) == 0; }))
        << driver::ListItemCount(list) << " items are still in the quarantine";
    ASSERT_EQ(driver::FindMessageBox(program.ProcessId(), driver::milliseconds(500)), nullptr)
        << driver::MessageBoxText(driver::FindMessageBox(program.ProcessId()));

    // Byte for byte, with their attributes.
    EXPECT_EQ(ReadFile(widget), std::string("MZ\0widget\r\n", 11));
    EXPECT_EQ(ReadFile(tree + "\\run.ini"), "[run]\r\n");
    EXPECT_EQ(ReadFile(tree + "\\sub\\hidden.bin"), std::string("\0\1\2hidden", 9));
    EXPECT_NE(AttributesOf(tree + "\\sub\\hidden.bin") & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(ReadFile(tree + "\\sub\\readonly.txt"), "read-only");
    EXPECT_NE(AttributesOf(tree + "\\sub\\readonly.txt") & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(ReadFile(m_cookie), cookieContent);
    for (const TypedValue& value : KeyValues()) {
        const TypedValue back = ReadValue(whole, value.name);
        EXPECT_EQ(back.type, value.type) << value.name;
        EXPECT_EQ(back.data, value.data) << value.name;
    }
    EXPECT_EQ(ReadValue(whole + "\\Deeper", "Inner").data, std::string("inner", 6));
    for (const TypedValue& value : {text, number}) {
        const TypedValue back = ReadValue(kSeedKey, value.name);
        EXPECT_EQ(back.type, value.type) << value.name;
        EXPECT_EQ(back.data, value.data) << value.name;
    }
    EXPECT_EQ(ReadValue(kSeedKey, "Keep").data, std::string("kept", 5));
    std::vector<fakes::StoreCookie> sorted = storeRows;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(storeCookies(), sorted) << "the store has its cookies back, and kept its own";

    // The next scan knows them: excluded, not found.
    std::unique_ptr<core::Application> again = Scanned();
    EXPECT_TRUE(Rows(*again->frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved).empty())
        << ::testing::PrintToString(Rows(*again->frmMain.lvwSpywareFound));
}

}  // namespace
}  // namespace e2e

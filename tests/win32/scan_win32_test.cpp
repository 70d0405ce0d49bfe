// A scan through the real adapters, of a machine seeded with traces: registry
// keys and values of several types, normal and hidden files, a folder, a
// cookie in the real cookie folder and two running programs; and the removal
// of what one such scan found.

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <fstream>
#include <iterator>

#include "app/program.h"
#include "app/startup.h"
#include "core/application.h"
#include "core/definition_counts.h"
#include "core/user_settings.h"
#include "definitions/line_code.h"
#include "i18n/languages.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "redirected_app_data.h"
#include "removal/removal_run.h"
#include "report/report_window.h"
#include "report/scan_report.h"
#include "scan/finding_lists.h"
#include "scan/scan_run.h"
#include "temp_folder.h"
#include "test_programs.h"

namespace {

using platform::win32::UniqueRegKey;
using win32_tests::RedirectedAppData;
using win32_tests::RunningProgram;
using win32_tests::WindowsPath;

constexpr char kSeedKey[] = "Software\\ScanSeedWidgets";
constexpr char kSettingsKey[] = "Software\\Anti-Spyware Settings\\Scan Test Product";
constexpr char kMachineKey[] = "SOFTWARE\\Scan Test Company";
constexpr char kViewsKey[] = "SOFTWARE\\ScanSeedViews";

std::string TempFolder() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    return std::string(base) + "scan-seed-" + std::to_string(::GetCurrentProcessId());
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

void SetRegistryValue(const char* path, const char* name, DWORD type, const std::string& data,
                      HKEY root = HKEY_CURRENT_USER, REGSAM view = 0) {
    UniqueRegKey key;
    ::RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE | view, nullptr, key.Put(), nullptr);
    ::RegSetValueExA(key.Get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                     static_cast<DWORD>(data.size()));
}

std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE);
    return path;
}

void DeleteTree(const std::string& path) {
    std::string from = path;
    from.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationA(&operation);
}

bool KeyExists(const std::string& path, REGSAM view) {
    UniqueRegKey key;
    return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | view, key.Put()) ==
           ERROR_SUCCESS;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Coded(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += definitions::EncodeDefinitionLine(line) + "\r\n";
    }
    return text;
}

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    return wide;
}

// Through the wide calls, so that the seeding does not hang on the code page
// under test.
std::string ReadFileWide(const std::string& utf8Path) {
    const platform::win32::UniqueFileHandle file(
        ::CreateFileW(Wide(utf8Path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string content(1 << 16, '\0');
    DWORD read = 0;
    if (!file || !::ReadFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &read,
                             nullptr)) {
        return {};
    }
    content.resize(read);
    return content;
}

void WriteFileWide(const std::string& utf8Path, const std::string& content) {
    const platform::win32::UniqueFileHandle file(
        ::CreateFileW(Wide(utf8Path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

bool ExistsWide(const std::string& utf8Path) {
    return ::GetFileAttributesW(Wide(utf8Path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ScanWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSeedKey);
        // A returning user: no language chooser, no first-run question.
        SetRegistryValue((std::string(kSettingsKey) + "\\Settings").c_str(), "Language", REG_SZ,
                         std::string("English", 8));
        SetRegistryValue((std::string(kSettingsKey) + "\\Settings").c_str(), "showHelp", REG_SZ,
                         std::string("0", 2));
        UniqueRegKey machine;
        ::RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                          (std::string(kMachineKey) + "\\Scan Test Product\\Settings").c_str(), 0,
                          nullptr, 0, KEY_WRITE, nullptr, machine.Put(), nullptr);
        ::RegSetValueExA(machine.Get(), "FirstTime", 0, REG_SZ,
                         reinterpret_cast<const BYTE*>("Yes"), 4);

        ::CreateDirectoryA(m_folder.c_str(), nullptr);
        ::CreateDirectoryA(m_data.c_str(), nullptr);
        char cookies[MAX_PATH] = {};
        ::SHGetSpecialFolderPathA(nullptr, cookies, 33, TRUE);
        m_cookie = std::string(cookies) + "\\tester@scanseed-tracker[1].txt";
    }

    void TearDown() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSeedKey);
        ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
        ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kMachineKey);
        for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
            UniqueRegKey software;
            if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | view,
                                software.Put()) == ERROR_SUCCESS) {
                ::RegDeleteTreeA(software.Get(), "ScanSeedViews");
            }
        }
        for (const int csidl :
             {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86, CSIDL_SYSTEM, CSIDL_SYSTEMX86}) {
            DeleteTree(SpecialFolder(csidl) + "\\ScanSeedViews");
        }
        ::DeleteFileA(m_cookie.c_str());
        DeleteTree(m_folder);
    }

    std::vector<std::string> Rows(const ui::ListView& list) {
        std::vector<std::string> rows;
        for (int row = 0; row < list.ItemCount(); ++row) {
            rows.push_back(list.Item(row).text);
        }
        return rows;
    }

    const std::string m_folder = TempFolder();
    const std::string m_data = m_folder + "\\Data";
    std::string m_cookie;
};

TEST_F(ScanWin32, ASeededMachineIsFoundThroughTheRealAdapters) {
    const std::string programs = WindowsPath(TEST_PROGRAMS_DIR);
    RunningProgram plain(programs + "\\plain_sleeper.exe");
    RunningProgram vendor(programs + "\\vendor_sleeper.exe");
    ASSERT_TRUE(plain.Running() && vendor.Running());

    SetRegistryValue((std::string(kSeedKey) + "\\Helper").c_str(), "", REG_SZ, std::string("", 1));
    SetRegistryValue(kSeedKey, "Text", REG_SZ, std::string("hello", 6));
    SetRegistryValue(kSeedKey, "Number", REG_DWORD, std::string("\x07\0\0\0", 4));
    SetRegistryValue(kSeedKey, "Blob", REG_BINARY, std::string("\x01\x02\x03", 3));
    ::CreateDirectoryA((m_folder + "\\Widgets").c_str(), nullptr);
    WriteFile(m_folder + "\\Widgets\\widget.dll", "MZ plain file");
    WriteFile(m_folder + "\\Widgets\\hidden.dll", "MZ hidden file");
    ::SetFileAttributesA((m_folder + "\\Widgets\\hidden.dll").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteFile(m_cookie, "id\n7\nscanseed-tracker.example/\n0\n*\n");

    const std::string seed = std::string("1^") + kSeedKey;
    WriteFile(m_data + "\\RegistryDefinition.dat",
              Coded({seed + "\\Helper^=Seed.Key", seed + "^Text^=Seed.Text",
                     seed + "^Number^=Seed.Number", seed + "^Blob^=Seed.Blob",
                     seed + "\\Absent^=Seed.Absent"}));
    WriteFile(m_data + "\\FileDefinition.dat",
              Coded({"widget.dll=Seed.File|" + m_folder + "\\Widgets",
                     "hidden.dll=Seed.Hidden|" + m_folder + "\\Widgets",
                     "absent.dll=Seed.Absent|" + m_folder}));
    WriteFile(m_data + "\\DirectoryDefinition.dat",
              Coded({"widgets=Seed.Folder|" + m_folder + "\\Widgets"}));
    WriteFile(m_data + "\\ExeDefinition.dat",
              Coded({"plain_sleeper.exe=x|" + programs, "vendor_sleeper.exe=x|" + programs}));
    WriteFile(m_data + "\\BlockedCookies.dat", Coded({"scanseed-tracker.example"}));

    platform::win32::Win32Platform platform;
    core::Application app(platform.Ports());
    app::AttachProgram(app);
    app.branding = core::LoadBranding(platform.Ports().programFile);
    ASSERT_EQ(app.branding.ProgramName, "Scan Test Product");
    app.frmMain.Show();
    app.DataFolder = m_data;
    app.TotalDefinitionLines =
        definitions::CountDefinitions(platform.Ports().fileSystem, app.DataFolder, app.counts);

    scan::cmdScanNow_Click(app);

    const std::vector<std::string> summary = Rows(*app.frmMain.lvwSpywareFound);
    const auto has = [&](const std::string& row) {
        return std::find(summary.begin(), summary.end(), row) != summary.end();
    };
    EXPECT_TRUE(has("Cookie Found: tester@scanseed-tracker[1].txt"));
    EXPECT_TRUE(has("Detected in the memory : PLAIN_SLEEPER.EXE was stopped from running."));
    EXPECT_TRUE(has("Seed.Key - Found"));
    EXPECT_TRUE(has("Seed.Text - Found"));
    EXPECT_TRUE(has("Seed.Number - Found"));
    EXPECT_FALSE(has("Seed.Blob - Found")) << "binary values are never reported";
    EXPECT_TRUE(has("Seed.File - Found"));
    EXPECT_FALSE(has("Seed.Hidden - Found")) << "hidden files are never reported";
    EXPECT_TRUE(has("Seed.Folder - Found"));
    EXPECT_FALSE(has("Seed.Absent - Found"));
    EXPECT_EQ(summary.size(), 7u) << ::testing::PrintToString(summary);

    EXPECT_TRUE(plain.EndsWithin(5000)) << "the listed program is stopped";
    EXPECT_TRUE(vendor.Running()) << "the vendor's program keeps running";
    EXPECT_EQ(app.frmMain.lblRegistryInspected->Caption(), "5");
    EXPECT_EQ(app.frmMain.lblFilesFolderInspected->Caption(), "4");
    EXPECT_EQ(app.frmMain.lblStatus0->Caption(), "Scanning complete.");
}

TEST_F(ScanWin32, AThreatOfRegistryFileAndFolderTracesIsRemovedWhole) {
    const std::string whole = std::string(kSeedKey) + "\\Whole";
    SetRegistryValue(whole.c_str(), "Version", REG_SZ, std::string("1", 2));
    SetRegistryValue(kSeedKey, "Whole", REG_SZ, std::string("whole.dat", 10));
    const std::string folder = m_folder + "\\Whole";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CreateDirectoryA((folder + "\\Data").c_str(), nullptr);
    WriteFile(folder + "\\whole.dat", "whole file");
    WriteFile(folder + "\\Data\\state.ini", "state");

    // The registry traces come first, so the threat's row has their icon.
    const std::string seed = std::string("1^") + kSeedKey;
    WriteFile(m_data + "\\RegistryDefinition.dat",
              Coded({seed + "\\Whole^=Seed.Whole", seed + "^Whole^=Seed.Whole"}));
    WriteFile(m_data + "\\FileDefinition.dat", Coded({"whole.dat=Seed.Whole|" + folder}));
    WriteFile(m_data + "\\DirectoryDefinition.dat",
              Coded({"data=Seed.Whole|" + folder + "\\Data"}));
    WriteFile(m_data + "\\ExeDefinition.dat", "");
    WriteFile(m_data + "\\BlockedCookies.dat", "");

    platform::win32::Win32Platform platform;
    core::Application app(platform.Ports());
    app::AttachProgram(app);
    app.branding = core::LoadBranding(platform.Ports().programFile);
    app.frmMain.Show();
    app.DataFolder = m_data;
    app.TotalDefinitionLines =
        definitions::CountDefinitions(platform.Ports().fileSystem, app.DataFolder, app.counts);

    scan::cmdScanNow_Click(app);
    ASSERT_EQ(Rows(*app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved),
              std::vector<std::string>{"Seed.Whole"});
    scan::cmdSelectAll_Click(app);
    removal::lblRemove_Click(app);

    UniqueRegKey key;
    EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, whole.c_str(), 0, KEY_READ, key.Put()),
              ERROR_SUCCESS);
    EXPECT_NE(::SHGetValueA(HKEY_CURRENT_USER, kSeedKey, "Whole", nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_FALSE(Exists(folder + "\\whole.dat"));
    EXPECT_FALSE(Exists(folder + "\\Data"));
    const std::string quarantine = m_data + "\\quarantine\\";
    EXPECT_EQ(ReadFile(quarantine + "whole.dat"), "whole file");
    EXPECT_EQ(ReadFile(quarantine + "Data\\state.ini"), "state");
    const std::string log = ReadFile(quarantine + "QuarantineLog.txt");
    for (const std::string& record :
         {" - File: whole.dat\r\n - Location: " + folder + "\\whole.dat\r\n",
          " - File: Data\r\n - Location: " + folder + "\\Data\r\n",
          " - Key: HKEY_CURRENT_USER\\" + std::string(kSeedKey) + "\r\nValue: Whole\r\n",
          " - Key: -2147483647\\" + whole + "\r\nValue: All Values\r\n"}) {
        EXPECT_NE(log.find(record), std::string::npos) << record << "\nin\n" << log;
    }
    EXPECT_TRUE(app.frmDelete.lstProblem->Items().empty());
    EXPECT_EQ(app.frmMain.lvwFilesToBeDeleted->ItemCount(), 0);
    EXPECT_EQ(app.frmMain.lvwRegistryToBeDeleted->ItemCount(), 0);
}

TEST_F(ScanWin32, BothRegistryViewsAndBothProgramFoldersAreScannedAndRemoved) {
    const std::string programs64 = SpecialFolder(CSIDL_PROGRAM_FILES) + "\\ScanSeedViews";
    const std::string programs32 = SpecialFolder(CSIDL_PROGRAM_FILESX86) + "\\ScanSeedViews";
    const std::string system64 = SpecialFolder(CSIDL_SYSTEM) + "\\ScanSeedViews";
    const std::string system32 = SpecialFolder(CSIDL_SYSTEMX86) + "\\ScanSeedViews";
    ASSERT_NE(programs64, programs32) << "a 64-bit prefix has both program folders";
    ASSERT_NE(system64, system32);
    const std::string sub = std::string(kViewsKey) + "\\Sub";
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        SetRegistryValue(kViewsKey, "Path", REG_SZ, std::string("seed.dat", 9), HKEY_LOCAL_MACHINE,
                         view);
        SetRegistryValue(sub.c_str(), "", REG_SZ, std::string("", 1), HKEY_LOCAL_MACHINE, view);
    }
    ASSERT_TRUE(KeyExists("SOFTWARE\\WOW6432Node\\ScanSeedViews", KEY_WOW64_64KEY));
    // The user's keys are one in both views.
    SetRegistryValue((std::string(kSeedKey) + "\\Shared").c_str(), "", REG_SZ, std::string("", 1));
    for (const std::string& folder : {programs64, programs32, system64, system32}) {
        ::CreateDirectoryA(folder.c_str(), nullptr);
    }
    WriteFile(programs64 + "\\seed.dat", "64-bit file");
    WriteFile(programs32 + "\\seed.dat", "32-bit file");
    WriteFile(programs32 + "\\only32.dat", "32-bit only");

    WriteFile(m_data + "\\RegistryDefinition.dat",
              Coded({std::string("2^") + kViewsKey + "^Path^=Seed.Views",
                     std::string("2^") + sub + "^=Seed.Views",
                     std::string("1^") + kSeedKey + "\\Shared^=Seed.Views"}));
    WriteFile(m_data + "\\FileDefinition.dat",
              Coded({"seed.dat=Seed.Views|[progfil]ScanSeedViews",
                     "only32.dat=Seed.Views|[progfil]ScanSeedViews"}));
    WriteFile(m_data + "\\DirectoryDefinition.dat",
              Coded({"seed=Seed.Views|[system]ScanSeedViews"}));
    WriteFile(m_data + "\\ExeDefinition.dat", "");
    WriteFile(m_data + "\\BlockedCookies.dat", "");

    platform::win32::Win32Platform platform;
    core::Application app(platform.Ports());
    app::AttachProgram(app);
    app.branding = core::LoadBranding(platform.Ports().programFile);
    app.frmMain.Show();
    app.DataFolder = m_data;
    app.TotalDefinitionLines =
        definitions::CountDefinitions(platform.Ports().fileSystem, app.DataFolder, app.counts);

    scan::cmdScanNow_Click(app);
    std::vector<std::string> traces;
    const ui::ListView& registry = *app.frmMain.lvwRegistryToBeDeleted;
    for (int row = 0; row < registry.ItemCount(); ++row) {
        traces.push_back(registry.Item(row).SubItem(1) + "|" + registry.Item(row).SubItem(2));
    }
    EXPECT_EQ(traces, (std::vector<std::string>{
                          std::string(kViewsKey) + "|Path",
                          "SOFTWARE\\WOW6432Node\\ScanSeedViews|Path",
                          sub + "|",
                          "SOFTWARE\\WOW6432Node\\ScanSeedViews\\Sub|",
                          std::string(kSeedKey) + "\\Shared|",
                      }));
    EXPECT_EQ(Rows(*app.frmMain.lvwFilesToBeDeleted),
              (std::vector<std::string>{programs64 + "\\seed.dat", programs32 + "\\seed.dat",
                                        programs32 + "\\only32.dat", system64, system32}));
    EXPECT_EQ(Rows(*app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved),
              std::vector<std::string>{"Seed.Views"});
    EXPECT_EQ(app.frmMain.lblRegistryInspected->Caption(), "3");
    EXPECT_EQ(app.frmMain.lblFilesFolderInspected->Caption(), "3");

    scan::cmdSelectAll_Click(app);
    removal::lblRemove_Click(app);
    for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        EXPECT_FALSE(KeyExists(sub, view));
        UniqueRegKey key;
        ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kViewsKey, 0, KEY_READ | view, key.Put()),
                  ERROR_SUCCESS);
        EXPECT_NE(::RegQueryValueExA(key.Get(), "Path", nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
    }
    for (const std::string& path : {programs64 + "\\seed.dat", programs32 + "\\seed.dat",
                                    programs32 + "\\only32.dat", system64, system32}) {
        EXPECT_FALSE(Exists(path)) << path;
    }
    const std::string log = ReadFile(m_data + "\\quarantine\\QuarantineLog.txt");
    for (const std::string& record :
         {" - File: only32.dat\r\n - Location: " + programs32 + "\\only32.dat\r\n",
          std::string(" - Key: HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\ScanSeedViews\r\n"
                      "Value: Path\r\n"),
          std::string(" - Key: -2147483646\\SOFTWARE\\WOW6432Node\\ScanSeedViews\\Sub\r\n"
                      "Value: All Values\r\n")}) {
        EXPECT_NE(log.find(record), std::string::npos) << record << "\nin\n" << log;
    }
    EXPECT_TRUE(app.frmDelete.lstProblem->Items().empty());
}

// A user whose name is outside the system's ANSI code page (Greek on a Western
// system): the program, which runs in UTF-8 as this test program does, starts
// with its data folder in that profile, finds a folder that a definition in
// the system's ANSI code page names, removes it with a file of a Greek name
// into the quarantine there, and reads its report back.
TEST_F(ScanWin32, AUserNamedOutsideTheAnsiCodePageScansRemovesAndReadsTheReport) {
    ASSERT_EQ(::GetACP(), static_cast<UINT>(CP_UTF8)) << "the manifest's code page is not in force";
    const std::string profile = m_folder + "\\Users\\\u0397\u03bb\u03af\u03b1\u03c2";
    const std::string appData = profile + "\\AppData\\Roaming";
    for (const std::string& folder : {m_folder + "\\Users", profile, profile + "\\AppData", appData,
                                      appData + "\\AntiSpywareDAT"}) {
        ::CreateDirectoryW(Wide(folder).c_str(), nullptr);
    }
    const RedirectedAppData redirected(appData);
    const std::string data = appData + "\\AntiSpywareDAT";
    // "Caf\xE9" in the system's code page, as the definition files hold it.
    const std::string threatFolder = appData + "\\Caf\u00e9 Widgets";
    ::CreateDirectoryW(Wide(threatFolder).c_str(), nullptr);
    const std::string threatFile = threatFolder + "\\\u0397\u03bb\u03af\u03b1\u03c2.exe";
    WriteFileWide(threatFile, "MZ greek");
    WriteFileWide(data + "\\DirectoryDefinition.dat",
                  Coded({"caf\xE9 widgets=Seed.Caf\xE9|[appdata]\\Caf\xE9 Widgets"}));
    for (const char* name : {"RegistryDefinition.dat", "FileDefinition.dat", "ExeDefinition.dat",
                             "BlockedCookies.dat"}) {
        WriteFileWide(data + "\\" + name, "");
    }

    platform::win32::Win32Platform platform;
    core::Application app(platform.Ports());
    app::AttachProgram(app);
    app.branding = core::LoadBranding(platform.Ports().programFile);
    app::MainWindowStartup(app);
    ASSERT_EQ(app.DataFolder, data);
    EXPECT_EQ(app.TotalDefinitionLines, 1);

    app.frmMain.chkMakeLog->SetValue(1);
    scan::cmdScanNow_Click(app);
    ASSERT_EQ(Rows(*app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved),
              std::vector<std::string>{"Seed.Caf\u00e9"});
    report::frmReport_Load(app);
    EXPECT_NE(app.frmReport.txtReport->Text().find("Seed.Caf\u00e9"), std::string::npos)
        << app.frmReport.txtReport->Text();

    scan::cmdSelectAll_Click(app);
    removal::lblRemove_Click(app);
    EXPECT_FALSE(ExistsWide(threatFolder));
    EXPECT_EQ(
        ReadFileWide(data + "\\quarantine\\Caf\u00e9 Widgets\\\u0397\u03bb\u03af\u03b1\u03c2.exe"),
        "MZ greek");
    // The next report holds the quarantine log, read back as written.
    report::MakeReport(app);
    report::frmReport_Load(app);
    EXPECT_NE(app.frmReport.txtReport->Text().find(" - Location: " + threatFolder),
              std::string::npos)
        << app.frmReport.txtReport->Text();

    // The shipped translations, which are UTF-8, read as they are.
    const std::optional<std::string> translations = i18n::ReadLocalizationText(
        platform.Ports().fileSystem, platform.Ports().textCodec, WindowsPath(SHIPPED_LOCALIZATION));
    ASSERT_TRUE(translations.has_value());
    EXPECT_NE(translations->find("Jetzt pr\u00fc"
                                 "fen"),
              std::string::npos);
}

}  // namespace

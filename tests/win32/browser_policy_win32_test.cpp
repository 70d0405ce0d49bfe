// The browser policy check through the real adapters: a machine seeded with
// policies of every browser (the machine's in both registry views, the
// user's) and a Firefox policy file, scanned and removed.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "app/program.h"
#include "core/application.h"
#include "i18n/languages.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "removal/quarantine_index.h"
#include "removal/removal_run.h"
#include "scan/browser_policy_scan.h"
#include "scan/finding_lists.h"
#include "temp_folder.h"

namespace {

using platform::win32::UniqueRegKey;

constexpr const char* kBrowserKeys[] = {
    "Software\\Policies\\Google\\Chrome", "Software\\Policies\\Microsoft\\Edge",
    "Software\\Policies\\BraveSoftware\\Brave", "Software\\Policies\\Mozilla\\Firefox"};

void SetValue(HKEY root, REGSAM view, const std::string& path, const char* name, const char* data) {
    UniqueRegKey key;
    ASSERT_EQ(::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr,
                                key.Put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                               static_cast<DWORD>(std::strlen(data) + 1)),
              ERROR_SUCCESS);
}

// A multi-string, as Firefox's administrative template writes ExtensionSettings.
void SetMultiValue(HKEY root, const std::string& path, const char* name, const std::string& lines) {
    UniqueRegKey key;
    ASSERT_EQ(::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(),
                                nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExA(key.Get(), name, 0, REG_MULTI_SZ,
                               reinterpret_cast<const BYTE*>(lines.data()),
                               static_cast<DWORD>(lines.size())),
              ERROR_SUCCESS);
}

bool KeyExists(HKEY root, REGSAM view, const std::string& path) {
    UniqueRegKey key;
    return ::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, key.Put()) == ERROR_SUCCESS;
}

bool ValueExists(HKEY root, REGSAM view, const std::string& path, const char* name) {
    UniqueRegKey key;
    return ::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, key.Put()) == ERROR_SUCCESS &&
           ::RegQueryValueExA(key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

class BrowserPolicyWin32 : public ::testing::Test {
protected:
    BrowserPolicyWin32() { app::AttachProgram(app); }
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    void Clean() {
        for (const char* path : kBrowserKeys) {
            // Each view's own Software key, so that the 32-bit one is cleaned too.
            for (const REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
                UniqueRegKey software;
                if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | view,
                                    software.Put()) == ERROR_SUCCESS) {
                    ::RegDeleteTreeA(software.Get(), std::string(path).substr(9).c_str());
                }
            }
            ::RegDeleteTreeA(HKEY_CURRENT_USER, path);
        }
        ::DeleteFileA(PolicyFile().c_str());
        ::RemoveDirectoryA(Distribution().c_str());
        ::RemoveDirectoryA(Firefox().c_str());
    }

    std::string ProgramFiles() {
        return app.ports.shellFolders.FolderPath(platform::csidl::kProgramFiles).value_or("");
    }
    std::string Firefox() { return ProgramFiles() + "\\Mozilla Firefox"; }
    std::string Distribution() { return Firefox() + "\\distribution"; }
    std::string PolicyFile() { return Distribution() + "\\policies.json"; }

    win32_tests::TempFolder data;
    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
};

TEST_F(BrowserPolicyWin32, SeededPoliciesOfEveryBrowserAreFoundAndOnlyTheyAreRemoved) {
    app.DataFolder = data.Path();
    auto catalogue = std::make_unique<i18n::clsLanguages>(app.ports.fileSystem, app.ports.textCodec,
                                                          data.Path(), app.branding, data.Path());
    i18n::LoadBuiltInMessages(*catalogue);
    app.Catalogue = std::move(catalogue);
    // A test machine is nobody's: the policies must be shown.
    ASSERT_FALSE(app.ports.deviceManagement.ManagedByOrganisation());
    const std::string chrome = kBrowserKeys[0];
    SetValue(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, chrome, "HomepageLocation", "http://a.example");
    SetValue(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, chrome, "PasswordManagerEnabled", "keep");
    SetValue(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, chrome + "\\ExtensionInstallForcelist", "1",
             "evilid;https://u.example");
    SetValue(HKEY_CURRENT_USER, 0, kBrowserKeys[1], "NewTabPageLocation", "http://b.example");
    SetValue(HKEY_CURRENT_USER, 0, std::string(kBrowserKeys[2]) + "\\RestoreOnStartupURLs", "1",
             "http://c.example");
    SetValue(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, std::string(kBrowserKeys[3]) + "\\Homepage",
             "URL", "http://d.example");
    // The other shapes the browsers take: a multi-string (its lines each
    // ended by a NUL, and a NUL that ends the list), a key per extension, a
    // list as one JSON string, a Recommended key.
    const char lines[] = "{\"fox@evil\": {\0\"installation_mode\": \"force_installed\"}}\0";
    SetMultiValue(HKEY_CURRENT_USER, kBrowserKeys[3], "ExtensionSettings",
                  std::string(lines, sizeof lines));
    SetValue(HKEY_CURRENT_USER, 0, chrome + "\\ExtensionSettings\\treeid", "installation_mode",
             "force_installed");
    SetValue(HKEY_CURRENT_USER, 0, kBrowserKeys[1], "ExtensionInstallForcelist",
             R"(["jsonid;https://u.example"])");
    SetValue(HKEY_CURRENT_USER, 0, std::string(kBrowserKeys[1]) + "\\Recommended",
             "HomepageLocation", "http://e.example");
    ASSERT_TRUE(::CreateDirectoryA(Firefox().c_str(), nullptr) ||
                ::GetLastError() == ERROR_ALREADY_EXISTS);
    ASSERT_TRUE(::CreateDirectoryA(Distribution().c_str(), nullptr) ||
                ::GetLastError() == ERROR_ALREADY_EXISTS);
    std::ofstream(PolicyFile(), std::ios::binary)
        << R"({"policies": {"SearchEngines": {"Default": "Evil"}}})";

    scan::ScanBrowserPolicies(app);
    std::vector<std::string> names;
    const ui::ListView& removal = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    for (int row = 0; row < removal.ItemCount(); ++row) {
        names.push_back(removal.Item(row).text);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Brave opens http://c.example at start",
                         "Chrome forces extension evilid",
                         "Chrome forces extension treeid",
                         "Chrome start page set to http://a.example",
                         "Edge forces extension jsonid",
                         "Edge new tab page set to http://b.example",
                         "Edge start page set to http://e.example",
                         "Firefox forces extension fox@evil",
                         "Firefox search engine set to Evil",
                         "Firefox start page set to http://d.example",
                     }));

    scan::cmdSelectAll_Click(app);
    removal::lblRemove_Click(app);

    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, chrome, "HomepageLocation"));
    EXPECT_TRUE(ValueExists(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, chrome, "PasswordManagerEnabled"));
    // The list's last value went with its key.
    EXPECT_FALSE(
        KeyExists(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, chrome + "\\ExtensionInstallForcelist"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, 0, chrome + "\\ExtensionSettings"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, 0, kBrowserKeys[3], "ExtensionSettings"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, 0, kBrowserKeys[1], "NewTabPageLocation"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, 0,
                             std::string(kBrowserKeys[2]) + "\\RestoreOnStartupURLs", "1"));
    EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY,
                             std::string(kBrowserKeys[3]) + "\\Homepage", "URL"));
    EXPECT_EQ(::GetFileAttributesA(PolicyFile().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(app.frmDelete.lstProblem->Items().empty());
    // Every one saved first, where the quarantine window finds it.
    const std::vector<removal::QuarantineEntry> saved =
        removal::LoadQuarantineEntries(app.ports.fileSystem, app.ports.textCodec, app.DataFolder);
    EXPECT_EQ(saved.size(), 10U);
    for (const removal::QuarantineEntry& entry : saved) {
        EXPECT_TRUE(removal::VerifySavedContent(app.ports.fileSystem, app.ports.hashing,
                                                app.DataFolder, entry))
            << entry.location;
    }
}

}  // namespace

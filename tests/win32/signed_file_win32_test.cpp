// A program signed by a publisher of the test's own, whose authority the
// prefix trusts while the test runs: the startup items judge it by its
// publisher through the platform's trust check, and a copy altered after
// signing as not validly signed.

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "app/program.h"
#include "core/application.h"
#include "i18n/languages.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "startup_items/startup_report.h"
#include "startup_items/startup_scan.h"
#include "temp_folder.h"
#include "trusted_authority.h"

namespace {

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kSignedValue[] = "SignedFileWin32Signed";
constexpr char kAlteredValue[] = "SignedFileWin32Altered";
constexpr char kSignedDir[] = TEST_PROGRAMS_DIR "/signed";

void SetRunValue(const char* name, const std::string& program) {
    platform::win32::UniqueRegKey key;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kRun, 0, nullptr, 0, KEY_WRITE, nullptr,
                                key.Put(), nullptr),
              ERROR_SUCCESS);
    const std::string data = "\"" + program + "\"";
    ASSERT_EQ(
        ::RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                         static_cast<DWORD>(data.size() + 1)),
        ERROR_SUCCESS);
}

void DeleteRunValue(const char* name) {
    platform::win32::UniqueRegKey key;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRun, 0, KEY_WRITE, key.Put()) == ERROR_SUCCESS) {
        ::RegDeleteValueA(key.Get(), name);
    }
}

const startup_items::JudgedEntry* EntryNamed(const core::Application& app, const char* name) {
    for (const startup_items::JudgedEntry& judged : app.startupItems.entries) {
        if (judged.entry.name == name) {
            return &judged;
        }
    }
    return nullptr;
}

TEST(SignedFileWin32, AStartupProgramIsJudgedByItsPublishersSignature) {
    const win32_tests::TrustedAuthority authority(std::string(kSignedDir) + "/authority.der");
    ASSERT_TRUE(authority.Trusted());

    win32_tests::TempFolder data;
    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
    app::AttachProgram(app);
    app.DataFolder = data.Path();
    auto catalogue = std::make_unique<i18n::clsLanguages>(app.ports.fileSystem, app.ports.textCodec,
                                                          data.Path(), app.branding, data.Path());
    i18n::LoadBuiltInMessages(*catalogue);
    app.Catalogue = std::move(catalogue);

    // Both copies in a folder any user can write, where only a valid
    // signature keeps a program from being a finding.
    const std::string folder =
        app.ports.shellFolders.FolderPath(platform::csidl::kAppData).value() + "\\SignedFileWin32";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    const std::string signedCopy = folder + "\\helper.exe";
    const std::string alteredCopy = folder + "\\altered.exe";
    const std::string source = std::string(kSignedDir) + "/signed.exe";
    ASSERT_TRUE(::CopyFileA(source.c_str(), signedCopy.c_str(), FALSE));
    ASSERT_TRUE(::CopyFileA(source.c_str(), alteredCopy.c_str(), FALSE));
    {
        // One byte of the code changed after signing.
        std::fstream altered(alteredCopy, std::ios::binary | std::ios::in | std::ios::out);
        altered.seekp(0x600);
        altered.put('\x5A');
    }
    SetRunValue(kSignedValue, signedCopy);
    SetRunValue(kAlteredValue, alteredCopy);

    startup_items::ScanStartupItems(app);

    const startup_items::JudgedEntry* const good = EntryNamed(app, kSignedValue);
    const startup_items::JudgedEntry* const bad = EntryNamed(app, kAlteredValue);
    ASSERT_NE(good, nullptr);
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(good->entry.signature.status, platform::SignatureStatus::Valid);
    EXPECT_EQ(good->entry.signature.signer, "Test Publisher Ltd");
    EXPECT_FALSE(good->verdict.has_value());
    EXPECT_EQ(bad->entry.signature.status, platform::SignatureStatus::NotValid);
    EXPECT_TRUE(bad->verdict.has_value());
    const std::string section = startup_items::StartupReportSection(app);
    EXPECT_NE(section.find(signedCopy + " | Test Publisher Ltd |"), std::string::npos) << section;

    DeleteRunValue(kSignedValue);
    DeleteRunValue(kAlteredValue);
    ::DeleteFileA(signedCopy.c_str());
    ::DeleteFileA(alteredCopy.c_str());
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

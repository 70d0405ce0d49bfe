// The Run at Startup tool through the real adapters: it adds and removes the
// entry of the program in the folder the setup recorded, in Wine's machine
// Run key, quoted, only while that folder's security lets no one but the
// administrators change it; it leaves the entries of other programs alone,
// speaks the language the user chose, and the built tool asks for
// administrator rights and carries the program's brand.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/user_settings.h"
#include "fakes/scripted_form_host.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/platform_win32.h"
#include "startup_tool/run_at_startup_tool.h"
#include "temp_folder.h"
#include "test_programs.h"

namespace {

constexpr char kProduct[] = "Startup Tool Test Product";
constexpr char kProgram[] = "StartupToolTestProgram";
constexpr char kOther[] = "StartupToolTestOther";
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kSettingsKey[] = "Software\\Anti-Spyware Settings\\Startup Tool Test Product";
constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Startup Tool Test Product";

// The tool as it lies in a folder of the test's own, beside the program.
class ToolInFolder : public platform::ProgramFile {
public:
    explicit ToolInFolder(std::string folder) : m_folder(std::move(folder)) {}
    std::string Path() override { return m_folder + "\\RunAtStartupTool.exe"; }
    std::string Folder() override { return m_folder; }
    std::string BaseName() override { return "RunAtStartupTool"; }
    platform::VersionResource ReadVersionResource() override {
        return {kProduct, "Test Labs", "www.test.example", 1, 0};
    }
    bool PreviousInstanceRunning() override { return false; }

private:
    std::string m_folder;
};

std::optional<std::string> RunValue(const char* name) {
    char data[1024] = {};
    DWORD size = sizeof(data);
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, kRunKey, name, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(data);
}

void SetRunValue(const char* name, const std::string& data) {
    ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kRunKey, name, REG_SZ, data.c_str(),
                                static_cast<DWORD>(data.size() + 1)),
              ERROR_SUCCESS);
}

// Wine gives every folder to the user who runs it and keeps no other owner
// or permissions; the folder the setup secured on Windows is modelled here,
// everything else is the adapter's own answer.
class SecuredFolderFileSystem : public platform::win32::FileSystemWin32 {
public:
    platform::WriteAccess WhoMayWrite(std::string_view path) override {
        if (!secured.empty() && (path == secured || path.starts_with(secured + "\\"))) {
            return platform::WriteAccess::AdministratorsOnly;
        }
        return FileSystemWin32::WhoMayWrite(path);
    }

    std::string secured;
};

class StartupToolWin32 : public ::testing::Test {
protected:
    StartupToolWin32() {
        // A folder with a space, so that the quotes matter.
        std::filesystem::create_directory(folder / "Acme Sweeper");
        std::ofstream(programPath).put('\0');
        SetRunValue(kOther, "\"C:\\Tools\\other.exe\" /tray");
        EXPECT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation", REG_SZ,
                                    toolFolder.c_str(), static_cast<DWORD>(toolFolder.size() + 1)),
                  ERROR_SUCCESS);
        forms.SetHost(&host);
    }
    ~StartupToolWin32() override {
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kUninstallKey);
        ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kRunKey, kProgram);
        ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kRunKey, kOther);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
    }

    win32_tests::TempFolder folder;
    std::string toolFolder = folder / "Acme Sweeper";
    std::string programPath = toolFolder + "\\" + kProgram + ".exe";
    platform::win32::Win32Platform platform;
    ToolInFolder toolFile{toolFolder};
    SecuredFolderFileSystem fileSystem;
    platform::Platform ports = [this] {
        platform::Platform real = platform.Ports();
        return platform::Platform{real.registry,
                                  real.shellFolders,
                                  fileSystem,
                                  toolFile,
                                  real.osVersion,
                                  real.shell,
                                  real.dialogs,
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
    fakes::ScriptedFormHost host;
    ui::FormContext forms{ports.eventLoop};
};

TEST_F(StartupToolWin32, AddsAndRemovesTheQuotedEntryAndLeavesOtherProgramsAlone) {
    fileSystem.secured = toolFolder;
    startup_tool::RunAtStartupTool tool(ports, forms, kProgram);
    tool.Start();
    ASSERT_TRUE(tool.window.Visible());

    tool.window.cmdAdd->Click();
    EXPECT_EQ(RunValue(kProgram), "\"" + programPath + "\"") << tool.window.lblResult->Caption();
    EXPECT_EQ(tool.window.lblState->Caption(),
              std::string(kProduct) + " is in the Run at Startup list.");

    tool.window.cmdRemove->Click();
    EXPECT_FALSE(RunValue(kProgram).has_value());
    EXPECT_EQ(RunValue(kOther), "\"C:\\Tools\\other.exe\" /tray");
}

// A folder as a user makes it is the user's own: its owner may change it.
TEST_F(StartupToolWin32, RefusesAFolderThatAUserCanChange) {
    startup_tool::RunAtStartupTool tool(ports, forms, kProgram);
    tool.Start();
    tool.window.cmdAdd->Click();
    EXPECT_FALSE(RunValue(kProgram).has_value());
    EXPECT_NE(tool.window.lblResult->Caption().find("users who are not administrators"),
              std::string::npos)
        << tool.window.lblResult->Caption();
}

TEST_F(StartupToolWin32, SpeaksTheUsersLanguageFromTheShippedFile) {
    std::filesystem::copy_file(win32_tests::WindowsPath(SHIPPED_LOCALIZATION),
                               toolFolder + "\\Localization.txt");
    core::WriteUserSetting(ports.registry, kProduct, "Settings", "Language", "Deutsch");
    startup_tool::RunAtStartupTool tool(ports, forms, kProgram);
    tool.Start();
    EXPECT_EQ(tool.window.cmdRemove->Caption(), "Entfernen");
    EXPECT_EQ(tool.window.lblState->Caption(),
              std::string(kProduct) + " steht nicht in der Autostart-Liste.");
}

TEST(StartupToolProgram, AsksForAdministratorRightsAndCarriesTheBrand) {
    const std::string toolExe = win32_tests::WindowsPath(TOOL_EXE);
    const std::string manifest = [&toolExe] {
        HMODULE tool = ::LoadLibraryExA(toolExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (tool == nullptr) {
            return std::string();
        }
        std::string text;
        if (HRSRC found = ::FindResourceA(tool, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
            if (HGLOBAL loaded = ::LoadResource(tool, found)) {
                text.assign(static_cast<const char*>(::LockResource(loaded)),
                            ::SizeofResource(tool, found));
            }
        }
        ::FreeLibrary(tool);
        return text;
    }();
    EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos) << toolExe;

    DWORD ignored = 0;
    std::string info(::GetFileVersionInfoSizeA(toolExe.c_str(), &ignored), '\0');
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        ::GetFileVersionInfoA(toolExe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    void* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\StringFileInfo\\040904b0\\ProductName", &product,
                                 &length));
    EXPECT_STREQ(static_cast<const char*>(product), BRAND_PRODUCT_NAME);
}

}  // namespace

#include "program_under_test.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "core/machine_settings.h"
#include "core/user_settings.h"
#include "driver/driver.h"
#include "platform/win32/program_file_win32.h"

namespace e2e {

namespace {

std::string& BuiltProgramPath() {
    static std::string path;
    return path;
}

std::string& ScreenshotFolderPath() {
    static std::string path;
    return path;
}

// CMake hands over host paths; Wine shows the host's root as drive Z.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') {
        for (char& c : path) {
            if (c == '/') {
                c = '\\';
            }
        }
        path.insert(0, "Z:");
    }
    return path;
}

}  // namespace

const std::string& BuiltProgram() {
    return BuiltProgramPath();
}

void SetBuiltProgram(std::string path) {
    BuiltProgramPath() = WindowsPath(std::move(path));
}

const std::string& ScreenshotFolder() {
    return ScreenshotFolderPath();
}

void SetScreenshotFolder(std::string path) {
    ScreenshotFolderPath() = WindowsPath(std::move(path));
    ::CreateDirectoryA(ScreenshotFolderPath().c_str(), nullptr);
}

std::string UserSettingsKey(const std::string& programPath) {
    platform::win32::ProgramFileWin32 program(programPath);
    return std::string(core::kUserSettingsRoot) + "\\" + program.ReadVersionResource().productName;
}

std::string MachineSettingsKey(const std::string& programPath) {
    platform::win32::ProgramFileWin32 program(programPath);
    const platform::VersionResource version = program.ReadVersionResource();
    return core::MachineSettingsKey(version.companyName, version.productName, "Settings");
}

std::string HelpWindowTitle(const std::string& programPath) {
    platform::win32::ProgramFileWin32 program(programPath);
    return program.ReadVersionResource().productName + " Help";
}

HWND FindHelpWindow(const std::string& title, std::chrono::milliseconds timeout) {
    const auto visibleViewer = [&title] {
        HWND window = ::FindWindowA(nullptr, title.c_str());
        return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
    };
    driver::WaitFor([&] { return visibleViewer() != nullptr; }, timeout);
    return visibleViewer();
}

void CloseHelpWindow(HWND window) {
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    driver::WaitFor([&] { return !::IsWindow(window); });
}

void CloseHelpWindows(const std::string& title) {
    while (HWND window = ::FindWindowA(nullptr, title.c_str())) {
        CloseHelpWindow(window);
        if (::IsWindow(window)) {
            return;
        }
    }
}

namespace {

std::string ReadString(HKEY root, const std::string& path, const std::string& key) {
    char value[1024] = {};
    DWORD size = sizeof(value);
    if (::RegGetValueA(root, path.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    return value;
}

void WriteString(HKEY root, const std::string& path, const std::string& key,
                 const std::string& value) {
    platform::win32::UniqueRegKey opened;
    if (::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, opened.Put(),
                          nullptr) == ERROR_SUCCESS) {
        ::RegSetValueExA(opened.Get(), key.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(std::string programPath)
    : m_path(std::move(programPath)), m_settingsKey(UserSettingsKey(m_path)) {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, m_settingsKey.c_str());
}

ProgramUnderTest::~ProgramUnderTest() {
    if (m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process.Get(), 1);
        ::WaitForSingleObject(m_process.Get(), 5000);
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, m_settingsKey.c_str());
}

void ProgramUnderTest::SetUserSetting(const std::string& section, const std::string& key,
                                      const std::string& value) {
    WriteString(HKEY_CURRENT_USER, m_settingsKey + "\\" + section, key, value);
}

std::string ProgramUnderTest::UserSetting(const std::string& section, const std::string& key) {
    return ReadString(HKEY_CURRENT_USER, m_settingsKey + "\\" + section, key);
}

std::string ProgramUnderTest::MachineSetting(const std::string& key) {
    return ReadString(HKEY_LOCAL_MACHINE, MachineSettingsKey(m_path), key);
}

void ProgramUnderTest::MakeReturningUser() {
    SetUserSetting("Settings", "Language", "English");
    SetUserSetting("Settings", "showHelp", "0");
    WriteString(HKEY_LOCAL_MACHINE, MachineSettingsKey(m_path), "FirstTime", "Yes");
}

void ProgramUnderTest::MakeFirstRun() {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, m_settingsKey.c_str());
    ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, MachineSettingsKey(m_path).c_str());
}

bool ProgramUnderTest::Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + m_path + "\"";
    if (!::CreateProcessA(m_path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &info)) {
        return false;
    }
    platform::win32::UniqueHandle thread(info.hThread);
    m_process.Reset(info.hProcess);
    m_processId = info.dwProcessId;
    return true;
}

bool ProgramUnderTest::WaitForExit(DWORD timeoutMs, DWORD& exitCode) {
    if (!m_process || ::WaitForSingleObject(m_process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return ::GetExitCodeProcess(m_process.Get(), &exitCode) != FALSE;
}

TempFolder::TempFolder() {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    m_path = std::string(base) + "e2e-" + std::to_string(::GetCurrentProcessId()) + "-" +
             std::to_string(::GetTickCount64());
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    // The shell's delete wants a list ended by two NULs.
    std::string from = m_path;
    from.push_back('\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationA(&operation);
}

}  // namespace e2e

#include "program_under_test.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "core/user_settings.h"
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
    const std::string path = m_settingsKey + "\\" + section;
    platform::win32::UniqueRegKey opened;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                          opened.Put(), nullptr) == ERROR_SUCCESS) {
        ::RegSetValueExA(opened.Get(), key.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    }
}

std::string ProgramUnderTest::UserSetting(const std::string& section, const std::string& key) {
    const std::string path = m_settingsKey + "\\" + section;
    char value[1024] = {};
    DWORD size = sizeof(value);
    if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), key.c_str(), RRF_RT_REG_SZ, nullptr, value,
                       &size) != ERROR_SUCCESS) {
        return {};
    }
    return value;
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

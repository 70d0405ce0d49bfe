#pragma once

// The real program, started in its own process for one test and ended with
// it. Its settings are cleared before it starts, so every test begins as a
// first run for the current user.

#include <chrono>
#include <string>

#include "platform/win32/handles.h"

namespace e2e {

// The program file the tests run, as given on the test program's command line.
[[nodiscard]] const std::string& BuiltProgram();
void SetBuiltProgram(std::string path);

// Where the tests save their screenshots.
[[nodiscard]] const std::string& ScreenshotFolder();
void SetScreenshotFolder(std::string path);

// The registry keys under which the program keeps this user's settings and
// the machine's.
[[nodiscard]] std::string UserSettingsKey(const std::string& programPath);
[[nodiscard]] std::string MachineSettingsKey(const std::string& programPath);

// The help viewer that the program opens on Help.chm: its window bears the
// title the help file gives it, "<product name> Help".
[[nodiscard]] std::string HelpWindowTitle(const std::string& programPath);
// The visible viewer window, waiting up to the time-out; null when none.
[[nodiscard]] HWND FindHelpWindow(const std::string& title, std::chrono::milliseconds timeout);
// Closes the viewer and waits until its window is gone.
void CloseHelpWindow(HWND window);
// Closes every viewer of that title. A viewer left open would outlive the
// tests and hold CTest's output open.
void CloseHelpWindows(const std::string& title);

class ProgramUnderTest {
public:
    explicit ProgramUnderTest(std::string programPath);
    ~ProgramUnderTest();

    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Stores a per-user setting before the start.
    void SetUserSetting(const std::string& section, const std::string& key,
                        const std::string& value);
    [[nodiscard]] std::string UserSetting(const std::string& section, const std::string& key);
    // Empty when the value is absent.
    [[nodiscard]] std::string MachineSetting(const std::string& key);

    // A user who has run the program before on a machine that has it: no
    // language chooser, no first-run question.
    void MakeReturningUser();
    // A machine and a user that never ran it.
    void MakeFirstRun();

    [[nodiscard]] bool Start();
    [[nodiscard]] DWORD ProcessId() const noexcept { return m_processId; }
    [[nodiscard]] HANDLE Process() const noexcept { return m_process.Get(); }
    // Waits for the process to end; its exit code, or nullopt on time-out.
    [[nodiscard]] bool WaitForExit(DWORD timeoutMs, DWORD& exitCode);

private:
    std::string m_path;
    std::string m_settingsKey;
    platform::win32::UniqueHandle m_process;
    DWORD m_processId = 0;
};

// A folder of its own under the temporary folder, removed with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::string& Path() const noexcept { return m_path; }

private:
    std::string m_path;
};

}  // namespace e2e

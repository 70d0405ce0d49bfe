#pragma once

// The programs and libraries that the build makes for the Wine tests, and a
// way to run one for the length of a test.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/win32/handles.h"

namespace win32_tests {

// A Unix path of the build as Wine sees it ("Z:\..."); other paths as they are.
inline std::string WindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') {
        for (char& c : path) {
            c = c == '/' ? '\\' : c;
        }
        path.insert(0, "Z:");
    }
    return path;
}

// The folder of the test programs (TEST_PROGRAMS_DIR of the build).
inline std::string ProgramsFolder() {
    return WindowsPath(TEST_PROGRAMS_DIR);
}

// A program started from a file for the test, and ended with it at the latest.
class RunningProgram {
public:
    explicit RunningProgram(const std::string& path) {
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        std::string commandLine = "\"" + path + "\"";
        if (::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &info)) {
            platform::win32::UniqueHandle thread(info.hThread);
            m_process.Reset(info.hProcess);
            // Its modules can be read once it has started.
            ::WaitForInputIdle(m_process.Get(), 2000);
            ::Sleep(300);
        }
    }
    ~RunningProgram() {
        if (Running()) {
            ::TerminateProcess(m_process.Get(), 0);
            ::WaitForSingleObject(m_process.Get(), 5000);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    [[nodiscard]] bool Running() const {
        return m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
    }
    [[nodiscard]] bool EndsWithin(DWORD ms) const {
        return !m_process || ::WaitForSingleObject(m_process.Get(), ms) == WAIT_OBJECT_0;
    }

private:
    platform::win32::UniqueHandle m_process;
};

// Runs a test program with its arguments and, last, the name of an event that
// it sets when its work begins; ends it `delay` after that moment (never
// when `delay` is negative). How long it ran from that moment; nullopt when
// it did not start.
inline std::optional<std::chrono::milliseconds> RunAndEnd(const std::string& program,
                                                          const std::string& arguments,
                                                          std::chrono::milliseconds delay) {
    const std::string eventName = "test_program_started_" + std::to_string(::GetCurrentProcessId());
    platform::win32::UniqueHandle started(::CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
    std::string commandLine = "\"" + program + "\" " + arguments + " " + eventName;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!started) {
        return std::nullopt;
    }
    // Wine now and then fails to start a process on a loaded machine; the
    // test is about what the program does, so a start is tried again.
    bool created = false;
    for (int attempt = 0; attempt < 3 && !created; ++attempt) {
        if (attempt > 0) {
            ::Sleep(500);
        }
        created = ::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                   CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info) != FALSE;
    }
    if (!created) {
        return std::nullopt;
    }
    platform::win32::UniqueHandle thread(info.hThread);
    platform::win32::UniqueHandle process(info.hProcess);
    const HANDLE either[] = {started.Get(), process.Get()};
    ::WaitForMultipleObjects(2, either, FALSE, 60000);
    const auto start = std::chrono::steady_clock::now();
    if (delay.count() >= 0 &&
        ::WaitForSingleObject(process.Get(), static_cast<DWORD>(delay.count())) == WAIT_TIMEOUT) {
        ::TerminateProcess(process.Get(), 1);
    }
    ::WaitForSingleObject(process.Get(), 60000);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

}  // namespace win32_tests

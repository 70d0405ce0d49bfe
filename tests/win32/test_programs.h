#pragma once

// The programs and libraries that the build makes for the Wine tests, and a
// way to run one for the length of a test.

#include <windows.h>

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

}  // namespace win32_tests

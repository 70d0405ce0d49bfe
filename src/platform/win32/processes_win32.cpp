#include "platform/win32/processes_win32.h"

#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

constexpr DWORD kQueryAndRead = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;

// The text of a fixed buffer up to its first NUL, or all of it when it has none.
template <std::size_t Size>
std::string UpToNul(const std::array<char, Size>& buffer) {
    return std::string(buffer.data(), ::strnlen(buffer.data(), buffer.size()));
}

// Enables the debug privilege in the process token for the guard's lifetime,
// so that processes of other users and services can be opened.
class DebugPrivilege {
public:
    DebugPrivilege() noexcept {
        if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                m_token.Put())) {
            return;
        }
        if (!::LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &m_luid)) {
            return;
        }
        // A token that lacks the privilege still succeeds here: the call then
        // only reports that not all of it was assigned.
        m_enabled = Adjust(SE_PRIVILEGE_ENABLED);
    }
    ~DebugPrivilege() {
        if (m_enabled) {
            Adjust(0);
        }
    }
    DebugPrivilege(const DebugPrivilege&) = delete;
    DebugPrivilege& operator=(const DebugPrivilege&) = delete;

    [[nodiscard]] bool Enabled() const noexcept { return m_enabled; }

private:
    bool Adjust(DWORD attributes) noexcept {
        TOKEN_PRIVILEGES privileges{};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Luid = m_luid;
        privileges.Privileges[0].Attributes = attributes;
        return ::AdjustTokenPrivileges(m_token.Get(), FALSE, &privileges, 0, nullptr, nullptr) != 0;
    }

    UniqueHandle m_token;
    LUID m_luid{};
    bool m_enabled = false;
};

// A wait's length for the system, kept below INFINITE, which would wait for
// ever.
DWORD WaitMilliseconds(std::chrono::milliseconds timeout) {
    return static_cast<DWORD>(
        std::clamp<std::chrono::milliseconds::rep>(timeout.count(), 0, INFINITE - 1));
}

// The handle that holds the process is opened for waiting only. While it is
// open the identifier names this process and no later one, so the process
// can be opened again by it with the rights that ending it needs.
class HeldProcessWin32 final : public HeldProcess {
public:
    HeldProcessWin32(UniqueHandle process, std::uint32_t id) noexcept
        : m_process(std::move(process)), m_id(id) {}

    bool Terminate(std::uint32_t exitCode) override {
        const DebugPrivilege privilege;
        if (!privilege.Enabled()) {
            return false;
        }
        UniqueHandle process(::OpenProcess(PROCESS_ALL_ACCESS, FALSE, m_id));
        return process && ::TerminateProcess(process.Get(), exitCode) != 0;
    }

    void End() override {
        UniqueHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, m_id));
        if (!process) {
            return;
        }
        // A handle opened for termination only may not query: the query then
        // fails and the code passed on stays 0. Where it may, a running
        // process reports STILL_ACTIVE.
        DWORD exitCode = 0;
        ::GetExitCodeProcess(process.Get(), &exitCode);
        ::TerminateProcess(process.Get(), exitCode);
    }

    bool WaitForExit(std::chrono::milliseconds timeout) override {
        return ::WaitForSingleObject(m_process.Get(), WaitMilliseconds(timeout)) == WAIT_OBJECT_0;
    }

private:
    UniqueHandle m_process;
    std::uint32_t m_id;
};

}  // namespace

std::optional<std::vector<std::uint32_t>> ProcessesWin32::ListIds() {
    std::vector<DWORD> ids(128);
    for (;;) {
        const auto bytes = static_cast<DWORD>(ids.size() * sizeof(DWORD));
        DWORD filled = 0;
        if (!::EnumProcesses(ids.data(), bytes, &filled)) {
            return std::nullopt;
        }
        // A full buffer may have cut the list short; only a partly filled one
        // is known to hold all of it.
        if (filled < bytes) {
            const auto count = static_cast<std::ptrdiff_t>(filled / sizeof(DWORD));
            return std::vector<std::uint32_t>(ids.begin(), ids.begin() + count);
        }
        ids.resize(ids.size() * 2);
    }
}

std::optional<std::string> ProcessesWin32::BaseName(std::uint32_t id) {
    UniqueHandle process(::OpenProcess(kQueryAndRead, FALSE, id));
    if (!process) {
        return std::nullopt;
    }
    std::vector<HMODULE> modules(1024);
    DWORD needed = 0;
    if (!::EnumProcessModules(process.Get(), modules.data(),
                              static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed)) {
        return std::nullopt;
    }
    // A name that cannot be read leaves the buffer as it was filled.
    std::array<char, MAX_PATH> name{{"unknown"}};
    ::GetModuleBaseNameA(process.Get(), modules[0], name.data(), static_cast<DWORD>(name.size()));
    return UpToNul(name);
}

std::optional<std::string> ProcessesWin32::MainModulePath(std::uint32_t id) {
    UniqueHandle process(::OpenProcess(kQueryAndRead, FALSE, id));
    if (!process) {
        return std::nullopt;
    }
    std::array<HMODULE, 50> modules{};
    DWORD needed = 0;
    if (!::EnumProcessModules(process.Get(), modules.data(), static_cast<DWORD>(sizeof(modules)),
                              &needed)) {
        return std::nullopt;
    }
    std::array<char, MAX_PATH> path{};
    const DWORD length = ::GetModuleFileNameExA(process.Get(), modules[0], path.data(),
                                                static_cast<DWORD>(path.size()));
    if (length == 0) {
        return std::nullopt;
    }
    return std::string(path.data(), std::min<std::size_t>(length, path.size()));
}

std::optional<std::vector<ProcessEntry>> ProcessesWin32::Snapshot() {
    UniqueSnapshot snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return std::nullopt;
    }
    std::vector<ProcessEntry> entries;
    // Without UNICODE the undecorated names are the ANSI structure and calls.
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32First(snapshot.Get(), &entry); more;
         more = ::Process32Next(snapshot.Get(), &entry)) {
        entries.push_back(
            {entry.th32ProcessID,
             std::string(entry.szExeFile, ::strnlen(entry.szExeFile, sizeof(entry.szExeFile)))});
    }
    return entries;
}

std::unique_ptr<HeldProcess> ProcessesWin32::Hold(std::uint32_t id) {
    UniqueHandle process(::OpenProcess(SYNCHRONIZE, FALSE, id));
    if (!process) {
        return nullptr;
    }
    return std::make_unique<HeldProcessWin32>(std::move(process), id);
}

bool ProcessesWin32::RunHidden(std::string_view program, std::string_view commandLine,
                               std::chrono::milliseconds timeout) {
    const std::string application(program);
    // The system may write into the command line it is given.
    std::string arguments(commandLine);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(application.c_str(), arguments.data(), nullptr, nullptr, FALSE,
                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started)) {
        return false;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    // A program still running at the end of the wait is left to finish alone.
    ::WaitForSingleObject(process.Get(), WaitMilliseconds(timeout));
    return true;
}

std::string ProcessesWin32::SystemDirectory() {
    std::array<char, 256> folder{};
    const UINT length = ::GetSystemDirectoryA(folder.data(), 255);
    // A longer path does not fit; the call then gives the size it needs.
    if (length == 0 || length >= 255) {
        return {};
    }
    return std::string(folder.data(), length);
}

}  // namespace platform::win32

#include "platform/win32/processes_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win32/handles.h"
#include "temp_folder.h"

namespace platform::win32 {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kNoSuchProcess = 0xFFFFFFF0;

// The build's folder of test programs as Wine shows it: the host's root is
// drive Z:.
std::string TestProgramsFolder() {
    std::string folder = "Z:" TEST_PROGRAMS_DIR;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool EndsWithNoCase(std::string_view text, std::string_view end) {
    return Lower(text).ends_with(Lower(end));
}

bool Contains(const std::vector<std::uint32_t>& ids, std::uint32_t id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// A test program started for one test and ended with it, whatever the test's
// outcome.
class StartedProgram {
public:
    explicit StartedProgram(const std::string& fileName)
        : m_path(TestProgramsFolder() + "\\" + fileName) {
        std::string commandLine = "\"" + m_path + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!::CreateProcessA(m_path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, nullptr, &startup, &started)) {
            return;
        }
        m_process.Reset(started.hProcess);
        const UniqueHandle thread(started.hThread);
        m_id = started.dwProcessId;
        WaitUntilLoaded();
    }
    ~StartedProgram() {
        if (Running()) {
            ::TerminateProcess(m_process.Get(), 1);
            ::WaitForSingleObject(m_process.Get(), 5000);
        }
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    [[nodiscard]] const std::string& Path() const { return m_path; }
    [[nodiscard]] bool Started() const { return m_process.IsValid(); }
    [[nodiscard]] std::uint32_t Id() const { return m_id; }
    [[nodiscard]] HANDLE Handle() const { return m_process.Get(); }
    [[nodiscard]] bool Running() const {
        return m_process && ::WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
    }
    [[nodiscard]] std::optional<DWORD> ExitCode() const {
        DWORD code = 0;
        if (!::GetExitCodeProcess(m_process.Get(), &code)) {
            return std::nullopt;
        }
        return code;
    }

private:
    // A new process lists its modules only once the loader has run in it.
    void WaitUntilLoaded() const {
        for (int attempt = 0; attempt < 500; ++attempt) {
            HMODULE module = nullptr;
            DWORD needed = 0;
            if (::EnumProcessModules(m_process.Get(), &module, sizeof(module), &needed) &&
                needed > 0) {
                return;
            }
            ::Sleep(10);
        }
    }

    std::string m_path;
    UniqueHandle m_process;
    std::uint32_t m_id = 0;
};

// Whether the debug privilege is enabled in this process's token.
bool DebugPrivilegeEnabled() {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) {
        return false;
    }
    LUID debug{};
    if (!::LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &debug)) {
        return false;
    }
    DWORD size = 0;
    ::GetTokenInformation(token.Get(), TokenPrivileges, nullptr, 0, &size);
    std::vector<char> buffer(size);
    if (!::GetTokenInformation(token.Get(), TokenPrivileges, buffer.data(), size, &size)) {
        return false;
    }
    const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
        const LUID_AND_ATTRIBUTES& privilege = privileges->Privileges[i];
        if (privilege.Luid.LowPart == debug.LowPart && privilege.Luid.HighPart == debug.HighPart) {
            return (privilege.Attributes & SE_PRIVILEGE_ENABLED) != 0;
        }
    }
    return false;
}

class ProcessesWin32Test : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plain.Started()) << plain.Path() << " error " << ::GetLastError();
        ASSERT_TRUE(vendor.Started()) << vendor.Path() << " error " << ::GetLastError();
    }

    StartedProgram plain{"plain_sleeper.exe"};
    StartedProgram vendor{"vendor_sleeper.exe"};
    ProcessesWin32 processes;
};

TEST_F(ProcessesWin32Test, StartedProgramsAndThisOneAreAmongTheListedIds) {
    const std::optional<std::vector<std::uint32_t>> ids = processes.ListIds();
    ASSERT_TRUE(ids.has_value());
    EXPECT_TRUE(Contains(*ids, plain.Id()));
    EXPECT_TRUE(Contains(*ids, vendor.Id()));
    EXPECT_TRUE(Contains(*ids, ::GetCurrentProcessId()));
}

TEST_F(ProcessesWin32Test, BaseNameAndMainModulePathNameTheProgramFile) {
    for (const StartedProgram* program : {&plain, &vendor}) {
        const std::string fileName = program->Path().substr(program->Path().rfind('\\') + 1);
        const std::optional<std::string> name = processes.BaseName(program->Id());
        ASSERT_TRUE(name.has_value()) << fileName;
        EXPECT_EQ(Lower(*name), fileName);
        const std::optional<std::string> path = processes.MainModulePath(program->Id());
        ASSERT_TRUE(path.has_value()) << fileName;
        EXPECT_EQ(Lower(*path), Lower(program->Path()));
    }
    EXPECT_TRUE(
        EndsWithNoCase(processes.MainModulePath(plain.Id()).value_or(""), "\\plain_sleeper.exe"));
}

TEST_F(ProcessesWin32Test, SnapshotListsTheStartedProgramsByTheirFileNames) {
    const std::optional<std::vector<ProcessEntry>> entries = processes.Snapshot();
    ASSERT_TRUE(entries.has_value());
    const auto exeFileOf = [&](std::uint32_t id) -> std::string {
        const auto entry = std::find_if(entries->begin(), entries->end(),
                                        [id](const ProcessEntry& e) { return e.id == id; });
        return entry == entries->end() ? "(not listed)" : entry->exeFile;
    };
    EXPECT_TRUE(EndsWithNoCase(exeFileOf(plain.Id()), "plain_sleeper.exe"))
        << exeFileOf(plain.Id());
    EXPECT_TRUE(EndsWithNoCase(exeFileOf(vendor.Id()), "vendor_sleeper.exe"))
        << exeFileOf(vendor.Id());
}

TEST_F(ProcessesWin32Test, TerminateEndsOnlyTheGivenProcessWithTheGivenCode) {
    const std::unique_ptr<HeldProcess> held = processes.Hold(plain.Id());
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(held->WaitForExit(50ms));
    EXPECT_TRUE(held->Terminate(7));
    EXPECT_TRUE(held->WaitForExit(5s));
    EXPECT_EQ(plain.ExitCode(), 7u);
    EXPECT_TRUE(vendor.Running());
    const std::unique_ptr<HeldProcess> other = processes.Hold(vendor.Id());
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(other->WaitForExit(0ms));
}

TEST_F(ProcessesWin32Test, DebugPrivilegeIsDisabledAgainAfterTerminateWhateverItsOutcome) {
    const std::unique_ptr<HeldProcess> held = processes.Hold(plain.Id());
    ASSERT_NE(held, nullptr);
    EXPECT_TRUE(held->Terminate(1));
    EXPECT_FALSE(DebugPrivilegeEnabled());
    ASSERT_TRUE(held->WaitForExit(5s));
    [[maybe_unused]] const bool again = held->Terminate(1);
    EXPECT_FALSE(DebugPrivilegeEnabled());
}

TEST_F(ProcessesWin32Test, EndProcessEndsOnlyTheGivenProcess) {
    const std::unique_ptr<HeldProcess> held = processes.Hold(vendor.Id());
    ASSERT_NE(held, nullptr);
    held->End();
    EXPECT_TRUE(held->WaitForExit(5s));
    EXPECT_FALSE(vendor.Running());
    EXPECT_TRUE(plain.Running());
}

TEST_F(ProcessesWin32Test, AHeldProcessThatEndedCountsAsEndedAndEndingItAgainTouchesNoOther) {
    const std::unique_ptr<HeldProcess> held = processes.Hold(plain.Id());
    ASSERT_NE(held, nullptr);
    ASSERT_TRUE(::TerminateProcess(plain.Handle(), 3));
    EXPECT_TRUE(held->WaitForExit(5s));
    // Its identifier is still taken by the ended process, so these reach
    // nothing that runs.
    [[maybe_unused]] const bool ended = held->Terminate(1);
    held->End();
    EXPECT_EQ(plain.ExitCode(), 3u);
    EXPECT_TRUE(vendor.Running());
    EXPECT_TRUE(held->WaitForExit(0ms));
}

TEST(ProcessesWin32, ProcessThatDoesNotExistHasNoNameOrPathAndCannotBeHeld) {
    ProcessesWin32 processes;
    EXPECT_EQ(processes.BaseName(kNoSuchProcess), std::nullopt);
    EXPECT_EQ(processes.MainModulePath(kNoSuchProcess), std::nullopt);
    EXPECT_EQ(processes.Hold(kNoSuchProcess), nullptr);
}

TEST(ProcessesWin32, SystemDirectoryIsTheSystem32FolderWithoutATrailingBackslash) {
    ProcessesWin32 processes;
    const std::string folder = processes.SystemDirectory();
    EXPECT_TRUE(EndsWithNoCase(folder, "\\system32")) << folder;
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << folder;
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// The processes of the named program that a test starts indirectly, ended
// with the test whatever its outcome.
class ProgramsStartedMeanwhile {
public:
    explicit ProgramsStartedMeanwhile(std::string fileName)
        : m_fileName(std::move(fileName)), m_before(Running()) {}
    ~ProgramsStartedMeanwhile() {
        for (const std::uint32_t id : New()) {
            const UniqueHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
            if (process) {
                ::TerminateProcess(process.Get(), 1);
                ::WaitForSingleObject(process.Get(), 5000);
            }
        }
    }
    ProgramsStartedMeanwhile(const ProgramsStartedMeanwhile&) = delete;
    ProgramsStartedMeanwhile& operator=(const ProgramsStartedMeanwhile&) = delete;

    [[nodiscard]] std::vector<std::uint32_t> New() const {
        std::vector<std::uint32_t> started;
        for (const std::uint32_t id : Running()) {
            if (!Contains(m_before, id)) {
                started.push_back(id);
            }
        }
        return started;
    }

private:
    [[nodiscard]] std::vector<std::uint32_t> Running() const {
        std::vector<std::uint32_t> ids;
        const UniqueSnapshot snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
        PROCESSENTRY32 entry{};
        entry.dwSize = sizeof(entry);
        for (BOOL more = snapshot && ::Process32First(snapshot.Get(), &entry); more;
             more = ::Process32Next(snapshot.Get(), &entry)) {
            if (EndsWithNoCase(entry.szExeFile, m_fileName)) {
                ids.push_back(entry.th32ProcessID);
            }
        }
        return ids;
    }

    std::string m_fileName;
    std::vector<std::uint32_t> m_before;
};

TEST(ProcessesWin32, RunHiddenRunsTheCommandLineAndWaitsForTheProgramToEnd) {
    ProcessesWin32 processes;
    const win32_tests::TempFolder folder;
    const std::string output = folder / "ran.txt";
    const std::string cmd = processes.SystemDirectory() + "\\cmd.exe";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(processes.RunHidden(cmd, "cmd.exe /c echo ran>\"" + output + "\"", 30s));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    // The program has ended by the time the call returns, so its output is there.
    const DWORD attributes = ::GetFileAttributesA(output.c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << output;
}

TEST(ProcessesWin32, RunHiddenGoesOnAfterTheTimeoutAndLeavesTheProgramRunning) {
    ProcessesWin32 processes;
    const ProgramsStartedMeanwhile sleepers("plain_sleeper.exe");
    const std::string sleeper = TestProgramsFolder() + "\\plain_sleeper.exe";
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(processes.RunHidden(sleeper, "\"" + sleeper + "\"", 300ms));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Wine's timers step in about 16 ms.
    EXPECT_GE(elapsed, 250ms);
    EXPECT_LT(elapsed, 5s);
    const std::vector<std::uint32_t> started = sleepers.New();
    ASSERT_EQ(started.size(), 1u);
    const std::unique_ptr<HeldProcess> held = processes.Hold(started.front());
    ASSERT_NE(held, nullptr);
    EXPECT_FALSE(held->WaitForExit(0ms));
}

TEST(ProcessesWin32, RunHiddenOfAMissingProgramIsFalse) {
    ProcessesWin32 processes;
    const std::string missing = TestProgramsFolder() + "\\missing_program.exe";
    EXPECT_FALSE(processes.RunHidden(missing, "\"" + missing + "\"", 1s));
    EXPECT_FALSE(processes.RunHidden("", "", 1s));
}

}  // namespace
}  // namespace platform::win32

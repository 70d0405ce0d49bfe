// Measures what the idle program costs while it guards in the background:
// the real program, started in the tray with both shields and the scheduler
// on, a definition set of 10,000 executables and 100 other programs running,
// against the same program with every background timer off, in the same run.
// Reports the CPU time per minute of the program, and of the Wine server
// when it can be read (under Wine, registry calls are served there).
// Windows only; run by hand under Wine, never by ctest:
//   background_benchmark <program.exe> <idle_program.exe> [seconds]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "definitions/line_code.h"
#include "platform/win32/handles.h"
#include "program_under_test.h"

namespace bench {

namespace {

using platform::win32::UniqueHandle;

constexpr int kDefinitions = 10000;
constexpr int kRunningPrograms = 100;
constexpr double kTargetPercent = 2.0;
constexpr DWORD kSettleMs = 15000;  // start-up and the first passes

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

std::optional<double> ProcessCpuSeconds(HANDLE process) {
    FILETIME created{};
    FILETIME exited{};
    FILETIME kernel{};
    FILETIME user{};
    if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return std::nullopt;
    }
    return Seconds(kernel) + Seconds(user);
}

// Under Wine the host's root is drive Z:, so the host's /proc can be read:
// the path of the stat file of the host process whose program (its command
// line's first word) names `marker`. Wine does not report another process's
// times, and the Wine server, which serves every registry call and timer, is
// a host process anyway.
std::optional<std::string> HostStatPath(const std::string& marker) {
    WIN32_FIND_DATAA entry{};
    platform::win32::UniqueFindHandle find(::FindFirstFileA("Z:\\proc\\*", &entry));
    if (!find) {
        return std::nullopt;
    }
    do {
        const std::string name = entry.cFileName;
        if (name.empty() ||
            !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        std::ifstream commandLine("Z:\\proc\\" + name + "\\cmdline", std::ios::binary);
        std::string program;  // the first word: whose arguments name the program do not count
        std::getline(commandLine, program, '\0');
        if (program.find(marker) != std::string::npos) {
            return "Z:\\proc\\" + name + "\\stat";
        }
    } while (::FindNextFileA(find.Get(), &entry));
    return std::nullopt;
}

std::optional<double> HostCpuSeconds(const std::optional<std::string>& statPath) {
    if (!statPath) {
        return std::nullopt;
    }
    std::ifstream stat(*statPath);
    std::string line;
    if (!std::getline(stat, line)) {
        return std::nullopt;
    }
    // Fields after the command's closing parenthesis; utime and stime are
    // the 14th and 15th fields of the line, in clock ticks of 1/100 s.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::vector<std::string> values;
    for (std::string value; fields >> value;) {
        values.push_back(value);
    }
    if (values.size() < 13) {
        return std::nullopt;
    }
    return (std::stod(values[11]) + std::stod(values[12])) / 100.0;
}

// Programs that run until the job closes, whatever happens to this one.
class RunningPrograms {
public:
    RunningPrograms(const std::string& program, int count)
        : m_job(::CreateJobObjectA(nullptr, nullptr)) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(m_job.Get(), JobObjectExtendedLimitInformation, &limits,
                                  sizeof limits);
        for (int i = 0; i < count; ++i) {
            STARTUPINFOA startup{};
            startup.cb = sizeof startup;
            PROCESS_INFORMATION info{};
            std::string commandLine = "\"" + program + "\"";
            if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                  CREATE_SUSPENDED, nullptr, nullptr, &startup, &info)) {
                continue;
            }
            UniqueHandle process(info.hProcess);
            UniqueHandle thread(info.hThread);
            ::AssignProcessToJobObject(m_job.Get(), process.Get());
            ::ResumeThread(thread.Get());
            m_processes.push_back(std::move(process));
        }
    }
    ~RunningPrograms() {
        for (const UniqueHandle& process : m_processes) {
            ::TerminateProcess(process.Get(), 0);
        }
    }
    RunningPrograms(const RunningPrograms&) = delete;
    RunningPrograms& operator=(const RunningPrograms&) = delete;

    [[nodiscard]] int Count() const noexcept { return static_cast<int>(m_processes.size()); }

private:
    UniqueHandle m_job;
    std::vector<UniqueHandle> m_processes;
};

std::string DataFolder() {
    char appData[MAX_PATH] = {};
    ::GetEnvironmentVariableA("APPDATA", appData, MAX_PATH);
    return std::string(appData) + "\\AntiSpywareDAT";
}

// Executables that none of the running programs is: the shield reads and
// compares them all on every pass, and finds nothing to ask about.
std::string ExecutableDefinitions() {
    std::string content;
    for (int i = 0; i < kDefinitions; ++i) {
        content += definitions::EncodeDefinitionLine("benchthreat" + std::to_string(i) +
                                                     ".exe=Bench.Threat|Adware") +
                   "\r\n";
    }
    return content;
}

// Puts the content in place of the file and gives the old one back at the end.
class ReplacedFile {
public:
    ReplacedFile(std::string path, const std::string& content) : m_path(std::move(path)) {
        std::ifstream old(m_path, std::ios::binary);
        if (old) {
            m_old = std::string(std::istreambuf_iterator<char>(old), {});
        }
        std::ofstream(m_path, std::ios::binary | std::ios::trunc) << content;
    }
    ~ReplacedFile() {
        if (m_old) {
            std::ofstream(m_path, std::ios::binary | std::ios::trunc) << *m_old;
        } else {
            ::DeleteFileA(m_path.c_str());
        }
    }
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

private:
    std::string m_path;
    std::optional<std::string> m_old;
};

struct Usage {
    double programPercent = 0;            // of one core
    std::optional<double> serverPercent;  // the Wine server's share, if known
};

Usage MeasureIdleProgram(const std::string& programPath, bool backgroundOn, DWORD seconds,
                         const std::optional<std::string>& serverStat) {
    e2e::ProgramUnderTest program(programPath);
    program.MakeReturningUser();
    const std::string on = backgroundOn ? "True" : "False";
    const std::string off = backgroundOn ? "False" : "True";
    program.SetUserSetting("Settings", "Minimized", "Yes");
    program.SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", on);
    program.SetUserSetting("OptionAndSettings", "optIEHomePageSheildOff", off);
    program.SetUserSetting("OptionAndSettings", "optMemorySheildOn", on);
    program.SetUserSetting("OptionAndSettings", "optMemorySheildOff", off);
    program.SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo",
                           backgroundOn ? "1" : "0");
    // Daily, at a second that does not come during the run.
    program.SetUserSetting("OptionAndSettings", "Day", "7");
    program.SetUserSetting("OptionAndSettings", "Time", "3:33:33 AM");
    program.SetUserSetting("OptionAndSettings", "Date", "Null");
    program.SetUserSetting("OptionAndSettings", "chkAutomaticUpdate", "0");
    Usage usage;
    if (!program.Start()) {
        std::fprintf(stderr, "Could not start %s\n", programPath.c_str());
        return usage;
    }
    ::Sleep(kSettleMs);
    const std::optional<std::string> programStat =
        HostStatPath(programPath.substr(programPath.find_last_of("\\/") + 1));
    const auto programCpu = [&] {
        return programStat ? HostCpuSeconds(programStat) : ProcessCpuSeconds(program.Process());
    };
    const std::optional<double> programStart = programCpu();
    const std::optional<double> serverStart = HostCpuSeconds(serverStat);
    ::Sleep(seconds * 1000);
    const std::optional<double> programEnd = programCpu();
    const std::optional<double> serverEnd = HostCpuSeconds(serverStat);
    if (programStart && programEnd) {
        usage.programPercent = (*programEnd - *programStart) / seconds * 100.0;
    }
    if (serverStart && serverEnd) {
        usage.serverPercent = (*serverEnd - *serverStart) / seconds * 100.0;
    }
    return usage;
}

void Print(const char* name, const Usage& usage) {
    std::printf("%-22s program %6.3f%%", name, usage.programPercent);
    if (usage.serverPercent) {
        std::printf("   wine server %6.3f%%", *usage.serverPercent);
    }
    std::printf("   (CPU of one core; %.2f s per minute)\n", usage.programPercent * 0.6);
}

}  // namespace

int RunBackgroundBenchmark(const std::string& programPath, const std::string& idleProgram,
                           DWORD seconds) {
    const ReplacedFile definitions(DataFolder() + "\\ExeDefinition.dat", ExecutableDefinitions());
    const RunningPrograms others(idleProgram, kRunningPrograms);
    std::printf("%d executables listed, %d other programs running, %lu s measured each\n",
                kDefinitions, others.Count(), static_cast<unsigned long>(seconds));
    const std::optional<std::string> serverStat = HostStatPath("wineserver");
    const Usage baseline = MeasureIdleProgram(programPath, false, seconds, serverStat);
    Print("background timers off", baseline);
    const Usage guarding = MeasureIdleProgram(programPath, true, seconds, serverStat);
    Print("shields and scheduler", guarding);
    const double above = guarding.programPercent - baseline.programPercent;
    std::printf("Above the baseline: program %.3f%% of one core", above);
    if (guarding.serverPercent && baseline.serverPercent) {
        std::printf(", with the wine server %.3f%%",
                    above + *guarding.serverPercent - *baseline.serverPercent);
    }
    std::printf(" (target at most %.1f%%): %s\n", kTargetPercent,
                above <= kTargetPercent ? "met" : "NOT met");
    return 0;
}

}  // namespace bench

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: background_benchmark <program.exe> <idle_program.exe> [seconds]\n");
        return 2;
    }
    const DWORD seconds = argc > 3 ? static_cast<DWORD>(std::stoul(argv[3])) : 60;
    // Paths from the host come as Unix paths; Wine shows its root as Z:.
    e2e::SetBuiltProgram(argv[2]);
    const std::string idleProgram = e2e::BuiltProgram();
    e2e::SetBuiltProgram(argv[1]);
    return bench::RunBackgroundBenchmark(e2e::BuiltProgram(), idleProgram, seconds);
}

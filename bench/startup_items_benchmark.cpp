// Measures the startup places' scan phase on a machine with 200 entries of
// every kind (Run values of both stores, debuggers, Startup folder and
// browser shortcuts, services, tasks, hosts lines), each starting a program
// of its own, against the baseline of reading the same keys, folders and
// files bare, in the same run, on the tests' in-memory ports. The rules and
// the reading of what each entry starts are what is measured; the fakes'
// signature check costs nothing, so the figure holds for a scan whose
// checks are cached per file. Prints both times and the ratio next to the
// target, after checking that every entry was read and judged (a wrong
// result fails the run). Run by hand; ctest never runs it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "base/text.h"
#include "fakes/fake_platform.h"
#include "startup_items/startup_rules.h"
#include "startup_items/startup_scan.h"

namespace {

using Clock = std::chrono::steady_clock;
using platform::RegistryRoot;

constexpr int kEach = 200;
constexpr int kRuns = 5;
constexpr double kTarget = 2.0;
constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kIfeo[] =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options";
constexpr char kHosts[] = "C:\\Windows\\system32\\drivers\\etc\\hosts";
constexpr char kRoaming[] = "C:\\Users\\alice\\AppData\\Roaming";

struct Machine {
    fakes::FakePlatform ports;
    std::vector<std::string> programs;
    std::string startup;
    std::string desktop;
};

void Seed(Machine& m) {
    m.ports.environment.Set("APPDATA", kRoaming);
    m.ports.environment.Set("SystemRoot", "C:\\Windows");
    m.ports.environment.Set("TEMP", "C:\\Users\\alice\\AppData\\Local\\Temp");
    m.startup = *m.ports.shellFolders.FolderPath(platform::csidl::kStartup);
    m.desktop = *m.ports.shellFolders.FolderPath(platform::csidl::kDesktopDirectory);
    std::string hosts = "127.0.0.1 localhost\r\n";
    const std::string chrome = "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe";
    m.ports.fileSystem.AddFile(chrome, "MZ");
    for (int i = 0; i < kEach; ++i) {
        const std::string n = std::to_string(i);
        const auto program = [&](const std::string& kind) {
            std::string path = std::string(kRoaming) + "\\Vendor" + n + "\\" + kind + ".exe";
            m.ports.fileSystem.AddFile(path, "MZ");
            m.programs.push_back(path);
            return path;
        };
        m.ports.registry.SetString(RegistryRoot::CurrentUser, kRun, "User" + n,
                                   "\"" + program("user") + "\" /background");
        m.ports.registry.SetString(RegistryRoot::LocalMachine, kRun, "Machine" + n,
                                   "\"" + program("machine") + "\"");
        m.ports.registry.SetString(RegistryRoot::LocalMachine,
                                   std::string(kIfeo) + "\\tool" + n + ".exe", "Debugger",
                                   program("debugger"));
        const std::string startupLink = m.startup + "\\Item" + n + ".lnk";
        m.ports.fileSystem.AddFile(startupLink, "L");
        m.ports.shell.shortcuts[base::UpperCase(startupLink)] = {program("startup"), "-tray"};
        const std::string browserLink = m.desktop + "\\Chrome " + n + ".lnk";
        m.ports.fileSystem.AddFile(browserLink, "L");
        m.ports.shell.shortcuts[base::UpperCase(browserLink)] = {
            chrome, i % 2 == 0 ? "http://start" + n + ".example" : "--profile-directory=P" + n};
        m.ports.services.services.push_back({"svc" + n, "Service " + n,
                                             platform::ServiceStart::Automatic,
                                             "\"" + program("service") + "\" -run"});
        platform::ScheduledTask task;
        task.path = "\\Vendor\\Task" + n;
        task.hidden = i % 3 == 0;
        task.repetitions = {"PT5M"};
        task.programs = {{program("task"), "/update"}};
        m.ports.scheduledTasks.tasks.push_back(task);
        hosts += (i % 2 == 0 ? "0.0.0.0 ads" : "10.0.0.1 site") + n + ".example\r\n";
    }
    m.ports.fileSystem.AddFile(kHosts, hosts);
}

// The same keys, folders and files read bare: every key the phase opens
// (in both views where it reads both) with its values, every folder it
// lists with each shortcut read, the services and tasks listed, the hosts
// file read, and each program looked up.
std::size_t ReadBare(Machine& m) {
    platform::Platform& ports = m.ports.ports;
    std::size_t seen = 0;
    const auto values = [&](RegistryRoot root, const std::string& path) {
        for (const platform::RegistryView view :
             {platform::RegistryView::Native64, platform::RegistryView::Wow32}) {
            auto key = ports.registry.OpenKey(root, path, platform::reg_access::kRead, view);
            std::vector<platform::NamedRegistryValue> found;
            if (key.key && key.key->EnumerateValues(found) == platform::reg_status::kOk) {
                seen += found.size();
            }
        }
    };
    const auto subKeys = [&](RegistryRoot root, const std::string& path) {
        std::vector<std::string> names;
        auto key = ports.registry.OpenKey(root, path, platform::reg_access::kRead);
        if (key.key) {
            static_cast<void>(key.key->EnumerateSubKeys(names));
        }
        return names;
    };
    const std::string version = "Software\\Microsoft\\Windows\\CurrentVersion";
    const std::string nt = "Software\\Microsoft\\Windows NT\\CurrentVersion";
    for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        for (const char* key :
             {"\\Run", "\\RunOnce", "\\Policies\\Explorer\\Run", "\\Internet Settings"}) {
            values(root, version + key);
        }
        for (const std::string& sub : subKeys(root, version + "\\RunOnceEx")) {
            values(root, version + "\\RunOnceEx\\" + sub);
        }
        values(root, nt + "\\Winlogon");
    }
    values(RegistryRoot::LocalMachine, nt + "\\Windows");
    for (const char* perProgram : {"\\Image File Execution Options", "\\SilentProcessExit"}) {
        for (const std::string& program : subKeys(RegistryRoot::LocalMachine, nt + perProgram)) {
            values(RegistryRoot::LocalMachine, nt + perProgram + "\\" + program);
        }
    }
    const std::string tcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
    values(RegistryRoot::LocalMachine, tcpip);
    for (const std::string& name : subKeys(RegistryRoot::LocalMachine, tcpip + "\\Interfaces")) {
        values(RegistryRoot::LocalMachine, tcpip + "\\Interfaces\\" + name);
    }

    std::vector<std::string> folders;
    for (const int csidl :
         {platform::csidl::kStartup, platform::csidl::kCommonStartup,
          platform::csidl::kDesktopDirectory, platform::csidl::kCommonDesktopDirectory,
          platform::csidl::kStartMenu, platform::csidl::kCommonStartMenu}) {
        folders.push_back(ports.shellFolders.FolderPath(csidl).value_or(""));
    }
    for (const int csidl : {platform::csidl::kPrograms, platform::csidl::kCommonPrograms}) {
        const std::string programs = ports.shellFolders.FolderPath(csidl).value_or("");
        folders.push_back(programs);
        for (const platform::DirectoryEntry& sub : ports.fileSystem.ListEntries(programs).value_or(
                 std::vector<platform::DirectoryEntry>{})) {
            if (sub.directory) {
                folders.push_back(programs + "\\" + sub.name);
            }
        }
    }
    const std::string quickLaunch =
        std::string(kRoaming) + "\\Microsoft\\Internet Explorer\\Quick Launch";
    folders.push_back(quickLaunch);
    folders.push_back(quickLaunch + "\\User Pinned\\TaskBar");
    for (const std::string& folder : folders) {
        for (const std::string& file : ports.fileSystem.ListFiles(folder)) {
            seen += ports.shell.ReadShortcut(folder + "\\" + file).has_value() ? 1 : 0;
        }
    }
    seen += ports.services.ListServices().value_or(std::vector<platform::ServiceConfig>{}).size();
    seen +=
        ports.scheduledTasks.ListTasks().value_or(std::vector<platform::ScheduledTask>{}).size();
    seen += ports.fileSystem.ReadWholeFile(kHosts).value_or("").size() > 0 ? 1 : 0;
    for (const std::string& program : m.programs) {
        seen += ports.fileSystem.Attributes(program).has_value() ? 1 : 0;
    }
    return seen;
}

}  // namespace

int main() {
    Machine machine;
    Seed(machine);
    double phase = 1e300;
    double baseline = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        const Clock::time_point start = Clock::now();
        const std::size_t seen = ReadBare(machine);
        const Clock::time_point read = Clock::now();
        startup_items::StartupItemsState state;
        startup_items::ReadStartupItems(machine.ports.ports, state);
        const startup_items::RuleContext context{startup_items::FoldersOf(machine.ports.ports)};
        int findings = 0;
        for (const startup_items::JudgedEntry& judged : state.entries) {
            findings += startup_items::Judge(judged.entry, context).has_value() ? 1 : 0;
        }
        const Clock::time_point done = Clock::now();
        baseline = std::min(baseline, std::chrono::duration<double>(read - start).count());
        phase = std::min(phase, std::chrono::duration<double>(done - read).count());
        if (state.entries.size() < 7u * kEach || findings < 6 * kEach || seen < 7u * kEach) {
            std::printf("wrong result: %zu entries, %d findings\n", state.entries.size(), findings);
            return 1;
        }
    }
    const double ratio = phase / baseline;
    std::printf(
        "startup places %.4f s, reading them bare %.4f s: %.2f times (target within %.0f)\n", phase,
        baseline, ratio, kTarget);
    return ratio <= kTarget ? 0 : 2;
}

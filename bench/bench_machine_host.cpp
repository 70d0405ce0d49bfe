// The host machine: the in-memory ports of the tests, started the way the
// tests start the program. The baseline reads and decodes the coded data
// files through the same ports.

#include <array>
#include <chrono>

#include "bench_machine.h"
#include "core/definition_files.h"
#include "core/path_macros.h"
#include "core/text_lines.h"
#include "core/user_settings.h"
#include "definitions/line_code.h"
#include "fakes/fake_platform.h"
#include "fakes/scripted_form_host.h"

namespace bench {

namespace {

// Programs that run on every machine and that no definition names.
constexpr std::array<std::string_view, 4> kOrdinaryPrograms{
    "C:\\Windows\\explorer.exe", "C:\\Windows\\system32\\svchost.exe",
    "C:\\Windows\\system32\\winlogon.exe", "C:\\Program Files\\Editor\\editor.exe"};

using Clock = std::chrono::steady_clock;

// The coded files that a scan reads, with the phase that reads each.
struct CodedFile {
    std::string_view name;
    std::optional<Phase> phase;
};

constexpr std::array<CodedFile, 6> kCodedFiles{
    {{definitions::kExeDefinitions, Phase::Memory},
     {definitions::kRegistryDefinitions, Phase::Registry},
     {definitions::kFileDefinitions, Phase::Files},
     {definitions::kDirectoryDefinitions, Phase::Folders},
     {definitions::kBlockedCookies, std::nullopt},
     {definitions::kSafetyList, std::nullopt}}};

class HostMachine final : public BenchMachine {
public:
    HostMachine()
        : m_fileSystem(m_machine.fileSystem),
          m_ports{
              m_machine.registry,
              m_machine.shellFolders,
              m_fileSystem,
              m_machine.programFile,
              m_machine.osVersion,
              m_machine.shell,
              m_machine.dialogs,
              m_machine.clock,
              m_machine.eventLoop,
              m_machine.textCodec,
              m_machine.notifyIcon,
              m_machine.processes,
              m_machine.clipboard,
              m_machine.systemRestore,
              m_machine.http,
              m_machine.desktop,
              m_machine.management,
              m_machine.localeFormats,
              m_machine.signatureVerifier,
              m_machine.deviceManagement,
              m_machine.hashing,
              m_machine.fileOrigin,
              m_machine.environment,
              m_machine.services,
              m_machine.scheduledTasks,
              m_machine.elevation,
          } {
        m_fileSystem.AddDirectory(AppDataFolder());
        m_machine.osVersion.info.majorVersion = 6;
        // The first run's offer to fetch definitions is declined.
        m_machine.dialogs.answers = {platform::MessageAnswer::No};
    }

    const MachineTraits& Traits() const override { return m_traits; }
    platform::Platform& Ports() override { return m_ports; }
    std::string TraceRoot() override { return "C:\\Users\\alice\\AppData\\Local\\Temp\\BenchScan"; }
    std::string DataFolder() override { return AppDataFolder() + "AntiSpywareDAT"; }

    // The machine lives in memory and ends with the benchmark.
    void RemoveTraces() override {}

    int StartExecutables(const SyntheticSet& set) override {
        std::uint32_t id = 1000;
        for (std::string_view path : kOrdinaryPrograms) {
            m_machine.processes.Add(id++, std::string(path));
        }
        for (const std::string& path : set.presentExecutables) {
            m_machine.processes.Add(id++, path);
        }
        return static_cast<int>(set.presentExecutables.size());
    }

    void StartProgram(core::Application& app) override {
        core::WriteUserSetting(m_machine.registry, m_machine.programFile.version.productName,
                               "Settings", "Language", "English");
        app.forms.SetHost(&m_host);
        app.Start();
        // The splash window's countdown, after which the main window loads.
        m_machine.eventLoop.Advance(std::chrono::milliseconds(200));
    }

    void PrepareRun() override {
        for (fakes::FakeProcesses::Process& process : m_machine.processes.processes) {
            process.running = true;
        }
        m_machine.processes.endCalls.clear();
    }

    BaselineRun RunBaseline(const SyntheticSet&) override {
        BaselineRun run;
        const std::string dataFolder = DataFolder();
        for (const CodedFile& file : kCodedFiles) {
            const Clock::time_point start = Clock::now();
            const std::optional<std::vector<std::string>> lines =
                core::ReadTextLines(m_fileSystem, definitions::DataFile(dataFolder, file.name));
            for (const std::string& line : lines.value_or(std::vector<std::string>{})) {
                run.count += definitions::DecodeDefinitionLine(line).size();
            }
            if (file.phase) {
                run.phaseSeconds[static_cast<std::size_t>(*file.phase)] =
                    std::chrono::duration<double>(Clock::now() - start).count();
            }
        }
        return run;
    }

private:
    std::string AppDataFolder() {
        return core::GetSpecialFolder(m_machine.shellFolders, platform::csidl::kAppData);
    }

    MachineTraits m_traits{"host (g++), in-memory ports of tests/fakes",
                           "ReadTextLines + DecodeDefinitionLine of the six coded data files", 3.0,
                           5, ""};
    fakes::FakePlatform m_machine;
    fakes::FakeFileSystem& m_fileSystem;
    platform::Platform m_ports;
    fakes::ScriptedFormHost m_host;
};

}  // namespace

std::unique_ptr<BenchMachine> MakeMachine(const std::vector<std::string>& options) {
    return options.empty() ? std::make_unique<HostMachine>() : nullptr;
}

std::string_view MachineUsage() noexcept {
    return "scan_benchmark";
}

}  // namespace bench

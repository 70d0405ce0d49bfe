#include "scan_timing.h"

#include <chrono>
#include <functional>

#include "base/text.h"
#include "core/definition_files.h"
#include "scan/scan_run.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// The moments that divide a scan into its phases, in the order they come.
enum class Mark { Memory, Registry, Files, Folders, End };
constexpr std::size_t kMarks = 5;

int RowsStartingWith(const ui::ListView& list, std::string_view prefix) {
    int rows = 0;
    for (int row = 0; row < list.ItemCount(); ++row) {
        rows += base::StartsWithIgnoreCase(list.Item(row).text, prefix) ? 1 : 0;
    }
    return rows;
}

Findings ReadFindings(const core::Application& app) {
    const ui::FrmMain& main = app.frmMain;
    Findings findings;
    findings.registryTraces = main.lvwRegistryToBeDeleted->ItemCount();
    findings.fileTraces = main.lvwFilesToBeDeleted->ItemCount();
    findings.excluded = RowsStartingWith(*main.lvwSpywareFound, "EXCLUDED: ");
    findings.stoppedPrograms = RowsStartingWith(*main.lvwSpywareFound, "Detected in the memory");
    return findings;
}

}  // namespace

// Passes every call on. A phase begins when it reads its definition file,
// which no other step of a scan reads; the scan's last step looks for the
// definitions date, which marks the end of the last phase.
class PhaseTimer::MarkingFileSystem final : public platform::FileSystem {
public:
    MarkingFileSystem(platform::FileSystem& inner, std::string_view dataFolder)
        : m_inner(inner),
          m_phaseFiles{definitions::DataFile(dataFolder, definitions::kExeDefinitions),
                       definitions::DataFile(dataFolder, definitions::kRegistryDefinitions),
                       definitions::DataFile(dataFolder, definitions::kFileDefinitions),
                       definitions::DataFile(dataFolder, definitions::kDirectoryDefinitions)},
          m_endFile(definitions::DataFile(dataFolder, definitions::kDefinitionsDate)) {}

    std::function<void(Mark)> onMark;

    std::optional<std::string> FirstNormalFileName(std::string_view path) override {
        if (onMark && path == m_endFile) {
            onMark(Mark::End);
        }
        return m_inner.FirstNormalFileName(path);
    }
    bool DirectoryExists(std::string_view path) override { return m_inner.DirectoryExists(path); }
    std::optional<std::string> ReadWholeFile(std::string_view path) override {
        for (std::size_t i = 0; onMark && i < m_phaseFiles.size(); ++i) {
            if (path == m_phaseFiles[i]) {
                onMark(static_cast<Mark>(i));
            }
        }
        return m_inner.ReadWholeFile(path);
    }
    bool WriteWholeFile(std::string_view path, std::string_view content) override {
        return m_inner.WriteWholeFile(path, content);
    }
    bool AppendToFile(std::string_view path, std::string_view content) override {
        return m_inner.AppendToFile(path, content);
    }
    std::unique_ptr<platform::FileReader> OpenToRead(std::string_view path) override {
        return m_inner.OpenToRead(path);
    }
    std::unique_ptr<platform::FileWriter> CreateToWrite(std::string_view path) override {
        return m_inner.CreateToWrite(path);
    }
    bool RemoveFile(std::string_view path) override { return m_inner.RemoveFile(path); }
    bool RenameFile(std::string_view from, std::string_view to) override {
        return m_inner.RenameFile(from, to);
    }
    bool MoveOver(std::string_view from, std::string_view to) override {
        return m_inner.MoveOver(from, to);
    }
    bool MakeDirectory(std::string_view path) override { return m_inner.MakeDirectory(path); }
    std::vector<platform::DriveInfo> ListDrives() override { return m_inner.ListDrives(); }
    std::vector<std::string> ListFiles(std::string_view folder) override {
        return m_inner.ListFiles(folder);
    }
    std::optional<std::uint64_t> FileSize(std::string_view path) override {
        return m_inner.FileSize(path);
    }
    std::optional<std::string> ReadFileRange(std::string_view path, std::uint64_t offset,
                                             std::size_t length) override {
        return m_inner.ReadFileRange(path, offset, length);
    }
    std::optional<std::vector<platform::DirectoryEntry>> ListEntries(
        std::string_view folder) override {
        return m_inner.ListEntries(folder);
    }
    std::unique_ptr<platform::FolderListing> ListInParts(std::string_view folder) override {
        return m_inner.ListInParts(folder);
    }
    std::optional<platform::PathAttributes> Attributes(std::string_view path) override {
        return m_inner.Attributes(path);
    }
    platform::WriteAccess WhoMayWrite(std::string_view path) override {
        return m_inner.WhoMayWrite(path);
    }
    bool CopyFileTo(std::string_view from, std::string_view to) override {
        return m_inner.CopyFileTo(from, to);
    }
    bool RemoveFolder(std::string_view path) override { return m_inner.RemoveFolder(path); }
    bool SetFolderAttributes(std::string_view path, bool readOnly, bool hidden,
                             bool system) override {
        return m_inner.SetFolderAttributes(path, readOnly, hidden, system);
    }

private:
    platform::FileSystem& m_inner;
    std::array<std::string, kPhases.size()> m_phaseFiles;
    std::string m_endFile;
};

bool operator==(const Findings& a, const Findings& b) noexcept {
    return a.registryTraces == b.registryTraces && a.fileTraces == b.fileTraces &&
           a.excluded == b.excluded && a.stoppedPrograms == b.stoppedPrograms;
}

Findings operator-(const Findings& a, const Findings& b) noexcept {
    return {a.registryTraces - b.registryTraces, a.fileTraces - b.fileTraces,
            a.excluded - b.excluded, a.stoppedPrograms - b.stoppedPrograms};
}

std::string_view PhaseName(Phase phase) noexcept {
    switch (phase) {
        case Phase::Memory:
            return "memory";
        case Phase::Registry:
            return "registry";
        case Phase::Files:
            return "files";
        case Phase::Folders:
            return "folders";
    }
    return "";
}

PhaseTimer::PhaseTimer(platform::Platform& machinePorts, std::string_view dataFolder)
    : m_timed(machinePorts) {
    platform::Platform& ports = m_timed.Ports();
    m_fileSystem = std::make_unique<MarkingFileSystem>(ports.fileSystem, dataFolder);
    m_ports = std::make_unique<platform::Platform>(platform::Platform{ports.registry,
                                                                      ports.shellFolders,
                                                                      *m_fileSystem,
                                                                      ports.programFile,
                                                                      ports.osVersion,
                                                                      ports.shell,
                                                                      ports.dialogs,
                                                                      ports.clock,
                                                                      ports.eventLoop,
                                                                      ports.textCodec,
                                                                      ports.notifyIcon,
                                                                      ports.processes,
                                                                      ports.clipboard,
                                                                      ports.systemRestore,
                                                                      ports.http,
                                                                      ports.desktop,
                                                                      ports.management,
                                                                      ports.localeFormats,
                                                                      ports.signatureVerifier,
                                                                      ports.deviceManagement,
                                                                      ports.hashing,
                                                                      ports.fileOrigin,
                                                                      ports.environment,
                                                                      ports.services,
                                                                      ports.scheduledTasks,
                                                                      ports.elevation});
}

PhaseTimer::~PhaseTimer() = default;

platform::Platform& PhaseTimer::Ports() noexcept {
    return *m_ports;
}

ScanResult PhaseTimer::RunWholeScan(core::Application& app, bool timePorts) {
    m_timed.TakeTimes(timePorts);
    // The first passing of each mark. The lists are read between `reached`
    // and `left`, outside both phases (it takes microseconds).
    struct Moment {
        Clock::time_point reached;
        Clock::time_point left;
        Findings findings;
        PortTimes ports;
    };
    std::array<std::optional<Moment>, kMarks> moments;
    m_fileSystem->onMark = [&](Mark mark) {
        std::optional<Moment>& moment = moments[static_cast<std::size_t>(mark)];
        if (!moment) {
            const Clock::time_point reached = Clock::now();
            const Findings findings = ReadFindings(app);
            moment = Moment{reached, Clock::now(), findings, m_timed.Times()};
        }
    };
    const PortTimes portsBefore = m_timed.Times();
    const Clock::time_point start = Clock::now();
    scan::cmdScanNow_Click(app);
    const Clock::time_point end = Clock::now();
    m_fileSystem->onMark = nullptr;

    ScanResult result;
    result.seconds = std::chrono::duration<double>(end - start).count();
    result.findings = ReadFindings(app);
    result.ports = m_timed.Times() - portsBefore;
    if (!moments[kMarks - 1]) {
        moments[kMarks - 1] = Moment{end, end, result.findings, m_timed.Times()};
    }
    for (std::size_t i = 0; i < kPhases.size(); ++i) {
        const std::optional<Moment>& begin = moments[i];
        const std::optional<Moment>& next = moments[i + 1];
        if (begin && next) {
            result.phases[i].seconds =
                std::chrono::duration<double>(next->reached - begin->left).count();
            result.phases[i].findings = next->findings - begin->findings;
            result.phases[i].ports = next->ports - begin->ports;
        }
    }
    return result;
}

}  // namespace bench

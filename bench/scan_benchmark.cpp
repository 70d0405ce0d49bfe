// Measures the scan engine on a synthetic set of definitions against a
// baseline measured in the same run, and prints a small table: the time per
// definition line of each phase, the whole scan in baselines next to the
// target, and where the scan's time goes. Run by hand; ctest never runs it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "bench_machine.h"
#include "core/file_predicates.h"
#include "scan/finding_lists.h"
#include "scan/registry_lookup.h"
#include "scan_timing.h"
#include "synthetic_set.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// The machine's traces go when the benchmark ends, however it ends.
class TraceCleanup {
public:
    explicit TraceCleanup(BenchMachine& machine) : m_machine(machine) {}
    ~TraceCleanup() { m_machine.RemoveTraces(); }
    TraceCleanup(const TraceCleanup&) = delete;
    TraceCleanup& operator=(const TraceCleanup&) = delete;

private:
    BenchMachine& m_machine;
};

struct Expectation {
    int lines = 0;
    Findings findings;
};

std::array<Expectation, kPhases.size()> ExpectedPhases(const SetSizes& sizes,
                                                       const SyntheticSet& set, int running) {
    const ExpectedFindings& e = set.expected;
    return {{{sizes.executableRecords, {0, 0, 0, running}},
             {sizes.registryRecords, {e.registryTraces, 0, e.registryExcluded, 0}},
             {sizes.fileRecords, {0, e.fileTraces, e.fileExcluded, 0}},
             {sizes.folderRecords, {0, e.folderTraces, e.folderExcluded, 0}}}};
}

Findings Sum(const std::array<Expectation, kPhases.size()>& phases) {
    Findings total;
    for (const Expectation& phase : phases) {
        total.registryTraces += phase.findings.registryTraces;
        total.fileTraces += phase.findings.fileTraces;
        total.excluded += phase.findings.excluded;
        total.stoppedPrograms += phase.findings.stoppedPrograms;
    }
    return total;
}

// The median; nullopt when any run lacks the value.
std::optional<double> Median(const std::vector<std::optional<double>>& values) {
    std::vector<double> seen;
    for (const std::optional<double>& value : values) {
        if (!value) {
            return std::nullopt;
        }
        seen.push_back(*value);
    }
    if (seen.empty()) {
        return std::nullopt;
    }
    std::sort(seen.begin(), seen.end());
    return seen[seen.size() / 2];
}

// A number for the table, or "-" when there is none.
std::string Cell(bool known, double value, const char* format) {
    if (!known) {
        return "-";
    }
    char text[32];
    std::snprintf(text, sizeof(text), format, value);
    return text;
}

struct Row {
    std::string_view name;
    int lines = 0;
    std::optional<double> seconds;
    std::optional<double> baselineSeconds;
    Findings found;
    Findings expected;
};

void PrintResultRow(const Row& row) {
    const bool timed = row.seconds.has_value();
    const bool compared = row.baselineSeconds.has_value();
    const double seconds = row.seconds.value_or(0);
    const double baseline = row.baselineSeconds.value_or(1);
    std::printf("%-11s %7d %9s %8s %9s %7s %7d %8d %7d%s\n", std::string(row.name).c_str(),
                row.lines, Cell(timed, seconds * 1e3, "%.1f").c_str(),
                Cell(timed, seconds * 1e6 / row.lines, "%.2f").c_str(),
                Cell(compared, baseline * 1e6 / row.lines, "%.2f").c_str(),
                Cell(timed && compared, seconds / baseline, "%.2f").c_str(),
                row.found.registryTraces + row.found.fileTraces, row.found.excluded,
                row.found.stoppedPrograms,
                row.found == row.expected ? "" : "  <- differs from the set");
}

void PrintPortRow(std::string_view name, int lines, std::optional<double> seconds,
                  const PortTimes& ports) {
    std::printf("%-11s %8s", std::string(name).c_str(),
                Cell(seconds.has_value(), seconds.value_or(0) * 1e6 / lines, "%.2f").c_str());
    for (std::size_t i = 0; i < kPortCount; ++i) {
        std::printf(" %8.2f %5.2f", ports.seconds[i] * 1e6 / lines,
                    static_cast<double>(ports.calls[i]) / lines);
    }
    const double engine = seconds.value_or(0) - ports.TotalSeconds();
    std::printf(" %8s\n", Cell(seconds.has_value(), engine * 1e6 / lines, "%.2f").c_str());
}

std::string RootName(platform::RegistryRoot root) {
    switch (root) {
        case platform::RegistryRoot::ClassesRoot:
            return "HKEY_CLASSES_ROOT";
        case platform::RegistryRoot::CurrentUser:
            return "HKEY_CURRENT_USER";
        case platform::RegistryRoot::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
        case platform::RegistryRoot::Users:
            return "HKEY_USERS";
        case platform::RegistryRoot::CurrentConfig:
            return "HKEY_CURRENT_CONFIG";
        case platform::RegistryRoot::DynData:
            break;
    }
    return "HKEY_DYN_DATA";
}

// The rows a scan shows for what each record's own lookup finds: every
// registry and file row, and every "EXCLUDED: " row, sorted. The safe list
// and the exclusions are the program's as the scan loaded them.
std::vector<std::string> PerLineRows(platform::Platform& ports, const core::Application& app,
                                     const SyntheticSet& set) {
    std::vector<std::string> rows;
    const auto place = [&](std::string_view location, bool excluded, std::string row) {
        rows.push_back(excluded ? "EXCLUDED: " + std::string(location) : std::move(row));
    };
    for (const RegistryProbe& probe : set.registryProbes) {
        const auto root = static_cast<std::uint32_t>(probe.root);
        const std::string rootName = RootName(probe.root);
        const std::string* value = probe.valueName.empty() ? nullptr : &probe.valueName;
        const std::string recordKey = rootName + "\\" + probe.keyPath;
        for (const scan::RegistryPlace& found : scan::LookUpRegistryPlaces(
                 ports.registry, root, probe.keyPath, probe.keyPath, value)) {
            const std::string key = rootName + "\\" + found.keyPath;
            const std::string suffix = value != nullptr ? "\\" + *value : "";
            if (app.SafeList.IsSafeListed(key + suffix) ||
                (found.redirected && app.SafeList.IsSafeListed(recordKey + suffix))) {
                continue;
            }
            const std::string location = key + probe.valueName;
            place(location, app.exclusions.IsExcluded(location) || app.exclusions.IsExcluded(key),
                  scan::RootHandleText(root) + " " + found.keyPath + " " + probe.valueName);
        }
    }
    for (const std::string& path : set.fileProbes) {
        if (core::FileExists(ports.fileSystem, path) && !app.SafeList.IsSafeListed(path)) {
            place(path, app.exclusions.IsExcluded(path), path);
        }
    }
    for (const std::string& path : set.folderProbes) {
        if (core::DirectoryExists(ports.fileSystem, path) && !app.SafeList.IsSafeListed(path)) {
            place(path, app.exclusions.IsFolderExcluded(path), path);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The same rows as the scan shows them.
std::vector<std::string> ScanRows(const core::Application& app) {
    const ui::FrmMain& main = app.frmMain;
    std::vector<std::string> rows;
    const ui::ListView& registry = *main.lvwRegistryToBeDeleted;
    for (int row = 0; row < registry.ItemCount(); ++row) {
        const ui::ListItem& item = registry.Item(row);
        rows.push_back(item.text + " " + item.SubItem(1) + " " + item.SubItem(2));
    }
    for (int row = 0; row < main.lvwFilesToBeDeleted->ItemCount(); ++row) {
        rows.push_back(main.lvwFilesToBeDeleted->Item(row).text);
    }
    for (int row = 0; row < main.lvwSpywareFound->ItemCount(); ++row) {
        const std::string& text = main.lvwSpywareFound->Item(row).text;
        if (text.starts_with("EXCLUDED: ")) {
            rows.push_back(text);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Prints what only one side has; true when both are the same.
bool SameRows(const std::vector<std::string>& scan, const std::vector<std::string>& perLine) {
    std::vector<std::string> onlyScan;
    std::vector<std::string> onlyPerLine;
    std::set_difference(scan.begin(), scan.end(), perLine.begin(), perLine.end(),
                        std::back_inserter(onlyScan));
    std::set_difference(perLine.begin(), perLine.end(), scan.begin(), scan.end(),
                        std::back_inserter(onlyPerLine));
    if (onlyScan.empty() && onlyPerLine.empty()) {
        std::printf(
            "\nSameness: the scan shows exactly the %zu rows that each record's own\n"
            "lookup finds.\n",
            scan.size());
        return true;
    }
    std::printf("\nSAMENESS FAILED: the scan shows %zu rows, each record's own lookup finds %zu.\n",
                scan.size(), perLine.size());
    for (std::size_t i = 0; i < onlyScan.size() && i < 10; ++i) {
        std::printf("  only the scan:    %s\n", onlyScan[i].c_str());
    }
    for (std::size_t i = 0; i < onlyPerLine.size() && i < 10; ++i) {
        std::printf("  only the lookups: %s\n", onlyPerLine[i].c_str());
    }
    return false;
}

int Measure(BenchMachine& machine, PhaseTimer& timer, core::Application& app, const SetSizes& sizes,
            const SyntheticSet& set, int running) {
    const MachineTraits& traits = machine.Traits();
    const std::array<Expectation, kPhases.size()> expected = ExpectedPhases(sizes, set, running);
    std::vector<ScanResult> scans;
    std::vector<std::optional<double>> baseline;
    std::vector<std::optional<double>> listing;
    std::array<std::vector<std::optional<double>>, kPhases.size()> baselinePhases;
    std::uint64_t baselineCount = 0;
    for (int run = 1; run <= traits.runs; ++run) {
        machine.PrepareRun();
        scans.push_back(timer.RunWholeScan(app, false));

        const Clock::time_point start = Clock::now();
        const BaselineRun pass = machine.RunBaseline(set);
        baseline.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        baselineCount = pass.count;
        for (std::size_t i = 0; i < kPhases.size(); ++i) {
            baselinePhases[i].push_back(pass.phaseSeconds[i]);
        }
        const Clock::time_point listingStart = Clock::now();
        listing.push_back(
            machine.RunListingBaseline(set)
                ? std::optional<double>(
                      std::chrono::duration<double>(Clock::now() - listingStart).count())
                : std::nullopt);
        std::fprintf(stderr, "run %d/%d: scan %.2f s, baseline %.2f s\n", run, traits.runs,
                     scans.back().seconds, *baseline.back());
    }
    // One more scan, with the ports timed, splits the time between the ports
    // and the engine.
    machine.PrepareRun();
    const ScanResult breakdown = timer.RunWholeScan(app, true);
    // The run of the median whole scan shows the findings.
    std::vector<ScanResult> byTime = scans;
    std::sort(byTime.begin(), byTime.end(),
              [](const ScanResult& a, const ScanResult& b) { return a.seconds < b.seconds; });
    const ScanResult& median = byTime[byTime.size() / 2];

    std::printf("Scan engine benchmark: %s\n", traits.title.c_str());
    std::printf(
        "Set: %d registry, %d file, %d folder, %d executable records, 1 in 100 present;\n"
        "     %d safe-list and %d exclusion entries, a few naming present records;\n"
        "     %s.\n",
        sizes.registryRecords, sizes.fileRecords, sizes.folderRecords, sizes.executableRecords,
        sizes.safeEntries, sizes.exclusionEntries, std::string(kAbsentPlaces).c_str());
    std::printf("Baseline: %s.\n", traits.baselineName.c_str());
    if (!traits.listingName.empty()) {
        std::printf("Listing baseline: %s.\n", traits.listingName.c_str());
    }
    if (traits.runs == 1) {
        std::printf("One run; the phases are timed inside the whole scan.\n\n");
    } else {
        std::printf("Median of %d runs; the phases are timed inside the whole scans.\n\n",
                    traits.runs);
    }

    std::printf("%-11s %7s %9s %8s %9s %7s %7s %8s %7s\n", "phase", "lines", "ms", "us/line",
                "base us", "x base", "traces", "excluded", "stopped");
    int totalLines = 0;
    for (std::size_t i = 0; i < kPhases.size(); ++i) {
        std::vector<std::optional<double>> seconds;
        for (const ScanResult& scan : scans) {
            seconds.push_back(scan.phases[i].seconds);
        }
        PrintResultRow({PhaseName(kPhases[i]), expected[i].lines, Median(seconds),
                        Median(baselinePhases[i]), median.phases[i].findings,
                        expected[i].findings});
        totalLines += expected[i].lines;
    }
    std::vector<std::optional<double>> whole;
    for (const ScanResult& scan : scans) {
        whole.push_back(scan.seconds);
    }
    const double scanSeconds = *Median(whole);
    const double baselineSeconds = *Median(baseline);
    PrintResultRow(
        {"whole scan", totalLines, scanSeconds, baselineSeconds, median.findings, Sum(expected)});
    std::printf("(the baseline's count of what it saw: %llu)\n",
                static_cast<unsigned long long>(baselineCount));

    const double ratio = scanSeconds / baselineSeconds;
    std::printf("\n%-32s %8s %9s\n", "", "ratio", "target");
    std::printf("%-32s %8.2f    <= %.1f  %s\n", "whole scan / baseline", ratio, traits.targetRatio,
                ratio <= traits.targetRatio ? "met" : "MISSED");
    if (const std::optional<double> listingSeconds = Median(listing)) {
        std::printf("%-32s %8.2f  (%.2f s)\n", "whole scan / listing baseline",
                    scanSeconds / *listingSeconds, *listingSeconds);
    }

    std::printf(
        "\nWhere the time goes, from one more scan with every port call timed (which adds\n"
        "a little): its us per line, then the us and calls per line spent in each port;\n"
        "\"engine\" is the rest, the engine's own work.\n");
    std::printf("%-11s %8s", "phase", "us/line");
    for (std::size_t i = 0; i < kPortCount; ++i) {
        std::printf(" %8s %5s", std::string(PortName(static_cast<Port>(i))).c_str(), "calls");
    }
    std::printf(" %8s\n", "engine");
    for (std::size_t i = 0; i < kPhases.size(); ++i) {
        PrintPortRow(PhaseName(kPhases[i]), expected[i].lines, breakdown.phases[i].seconds,
                     breakdown.phases[i].ports);
    }
    PrintPortRow("whole scan", totalLines, breakdown.seconds, breakdown.ports);
    std::fflush(stdout);

    // The last scan's rows against each record's own lookup, through the
    // machine's ports: a scan that answers any record otherwise fails.
    const bool same = SameRows(ScanRows(app), PerLineRows(machine.Ports(), app, set));
    std::fflush(stdout);

    bool asExpected = median.findings == Sum(expected) && breakdown.findings == Sum(expected);
    for (std::size_t i = 0; i < kPhases.size(); ++i) {
        asExpected = asExpected && median.phases[i].findings == expected[i].findings;
    }
    if (!same) {
        return 3;
    }
    return asExpected ? 0 : 2;
}

int Run(const std::vector<std::string>& options) {
    const std::unique_ptr<BenchMachine> machine = MakeMachine(options);
    if (!machine) {
        std::fprintf(stderr, "usage: %s\n", std::string(MachineUsage()).c_str());
        return 1;
    }
    platform::Platform& ports = machine->Ports();
    machine->RemoveTraces();
    const TraceCleanup cleanup(*machine);

    const SetSizes sizes;
    const SyntheticSet set = MakeSyntheticSet(sizes, machine->TraceRoot(), ports.shellFolders);
    const std::string dataFolder = machine->DataFolder();
    if (!MakeDirectories(ports.fileSystem, dataFolder) ||
        !WriteDataFiles(ports.fileSystem, dataFolder, set) || !CreateTraces(ports, set)) {
        std::fprintf(stderr, "Could not create the data files and traces.\n");
        return 1;
    }
    const int running = machine->StartExecutables(set);

    PhaseTimer timer(ports, dataFolder);
    core::Application app(timer.Ports());
    app::AttachProgram(app);
    machine->StartProgram(app);
    if (app.DataFolder != dataFolder || !app.frmMain.cmdScanNow->Enabled()) {
        std::fprintf(stderr, "The program did not start with its data in %s.\n",
                     dataFolder.c_str());
        return 1;
    }
    return Measure(*machine, timer, app, sizes, set, running);
}

}  // namespace

}  // namespace bench

int main(int argc, char** argv) {
    return bench::Run(std::vector<std::string>(argv + 1, argv + argc));
}

#pragma once

// The machine that the scan benchmark runs on: its ports, the places it may
// write to, how the program is started on it, and the baseline that the
// scan is compared with. One implementation per build, chosen by CMake.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/application.h"
#include "scan_timing.h"
#include "synthetic_set.h"

namespace bench {

struct BaselineRun {
    // Present records seen, or bytes decoded: keeps the work from being
    // optimised away, and lets the caller check it.
    std::uint64_t count = 0;
    // The part of the pass that stands for each phase; nullopt for a phase
    // that the baseline makes no calls for.
    std::array<std::optional<double>, kPhases.size()> phaseSeconds;
};

struct MachineTraits {
    std::string title;
    std::string baselineName;
    double targetRatio = 0;  // the most that the whole scan may take, in baselines
    int runs = 0;
    std::string listingName;  // "" when the machine has no listing baseline
};

class BenchMachine {
public:
    virtual ~BenchMachine() = default;

    [[nodiscard]] virtual const MachineTraits& Traits() const = 0;
    [[nodiscard]] virtual platform::Platform& Ports() = 0;
    // The folder that receives the set's files and folders.
    [[nodiscard]] virtual std::string TraceRoot() = 0;
    // Where the program finds its data files on this machine.
    [[nodiscard]] virtual std::string DataFolder() = 0;

    // Deletes the keys, files and settings of this or an earlier run.
    virtual void RemoveTraces() = 0;
    // Starts the programs that the memory phase is to find; returns how many.
    [[nodiscard]] virtual int StartExecutables(const SyntheticSet& set) = 0;
    // Brings the program to where the user can start a scan.
    virtual void StartProgram(core::Application& app) = 0;
    // Undoes what the previous scan changed on the machine.
    virtual void PrepareRun() = 0;
    // One pass of the baseline; the caller times the whole pass.
    [[nodiscard]] virtual BaselineRun RunBaseline(const SyntheticSet& set) = 0;
    // One pass of the listing baseline: every parent key and folder that the
    // set's records name read once, bare; nullopt when the machine has none.
    [[nodiscard]] virtual std::optional<BaselineRun> RunListingBaseline(const SyntheticSet& set) {
        static_cast<void>(set);
        return std::nullopt;
    }
};

// The machine of this build; nullptr when it does not take the options.
[[nodiscard]] std::unique_ptr<BenchMachine> MakeMachine(const std::vector<std::string>& options);
[[nodiscard]] std::string_view MachineUsage() noexcept;

}  // namespace bench

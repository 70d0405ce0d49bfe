#pragma once

// Timed whole scans, as the Scan Now button starts them, with the time of
// each phase taken from the same run: the program works through ports that
// add up the time spent in them, and whose file system notes when each phase
// reads its definitions.

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "core/application.h"
#include "timed_ports.h"

namespace bench {

// What the finding lists show.
struct Findings {
    int registryTraces = 0;
    int fileTraces = 0;  // files and folders share one list
    int excluded = 0;
    int stoppedPrograms = 0;
};

[[nodiscard]] bool operator==(const Findings& a, const Findings& b) noexcept;
[[nodiscard]] Findings operator-(const Findings& a, const Findings& b) noexcept;

enum class Phase { Memory, Registry, Files, Folders };
inline constexpr std::array<Phase, 4> kPhases{Phase::Memory, Phase::Registry, Phase::Files,
                                              Phase::Folders};

[[nodiscard]] std::string_view PhaseName(Phase phase) noexcept;

struct PhaseResult {
    std::optional<double> seconds;  // nullopt when the phase's start or end went unseen
    Findings findings;
    PortTimes ports;  // spent in the ports during the phase
};

struct ScanResult {
    double seconds = 0;
    Findings findings;
    PortTimes ports;
    std::array<PhaseResult, kPhases.size()> phases;
};

class PhaseTimer {
public:
    // `ports` are the machine's; the program must be given Ports() instead.
    PhaseTimer(platform::Platform& ports, std::string_view dataFolder);
    ~PhaseTimer();

    PhaseTimer(const PhaseTimer&) = delete;
    PhaseTimer& operator=(const PhaseTimer&) = delete;

    [[nodiscard]] platform::Platform& Ports() noexcept;

    // With `timePorts`, the result also tells the time spent in each port,
    // at the cost of reading the clock around every call.
    [[nodiscard]] ScanResult RunWholeScan(core::Application& app, bool timePorts);

private:
    class MarkingFileSystem;
    TimedPorts m_timed;
    std::unique_ptr<MarkingFileSystem> m_fileSystem;
    std::unique_ptr<platform::Platform> m_ports;
};

}  // namespace bench

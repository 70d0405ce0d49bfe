#pragma once

// Ports that pass every call on and add up the time spent in each port, so
// that a scan's time splits into the platform's part and the engine's own.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/platform.h"

namespace bench {

enum class Port { Registry, FileSystem, ShellFolders, EventLoop, Processes };
inline constexpr std::size_t kPortCount = 5;

[[nodiscard]] std::string_view PortName(Port port) noexcept;

struct PortTimes {
    std::array<double, kPortCount> seconds{};
    std::array<std::uint64_t, kPortCount> calls{};
    // Reading the clock around every call costs a little, so the runs that
    // give the ratio pass the calls on untimed.
    bool taking = true;

    [[nodiscard]] double TotalSeconds() const noexcept;
};

[[nodiscard]] PortTimes operator-(const PortTimes& a, const PortTimes& b) noexcept;

class TimedPorts {
public:
    explicit TimedPorts(platform::Platform& inner);
    ~TimedPorts();

    TimedPorts(const TimedPorts&) = delete;
    TimedPorts& operator=(const TimedPorts&) = delete;

    [[nodiscard]] platform::Platform& Ports() noexcept { return *m_ports; }
    // Everything spent since the ports were made.
    [[nodiscard]] const PortTimes& Times() const noexcept { return m_times; }
    void TakeTimes(bool on) noexcept { m_times.taking = on; }

private:
    class Registry;
    class FileSystem;
    class ShellFolders;
    class EventLoop;
    class Processes;

    PortTimes m_times;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<FileSystem> m_fileSystem;
    std::unique_ptr<ShellFolders> m_shellFolders;
    std::unique_ptr<EventLoop> m_eventLoop;
    std::unique_ptr<Processes> m_processes;
    std::unique_ptr<platform::Platform> m_ports;
};

}  // namespace bench

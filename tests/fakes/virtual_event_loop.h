#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>

#include "platform/event_loop.h"

namespace fakes {

// An event loop on a virtual clock: timers fire, in time order, only when a
// test advances the clock. Yields run a hook, so a test can act in the middle
// of long work.
class VirtualEventLoop : public platform::EventLoop {
public:
    TimerId StartTimer(std::chrono::milliseconds interval, std::function<void()> onTick) override;
    void StopTimer(TimerId id) override;
    void YieldToMessageLoop() override;
    void Quit(int exitCode) override;

    // Moves the clock forward, firing every timer that comes due on the way.
    void Advance(std::chrono::milliseconds duration);
    [[nodiscard]] std::chrono::milliseconds Now() const noexcept { return m_now; }
    [[nodiscard]] bool IsRunning(TimerId id) const { return m_timers.contains(id); }
    [[nodiscard]] std::size_t RunningTimers() const noexcept { return m_timers.size(); }

    std::function<void()> onYield;
    int yields = 0;
    bool quit = false;
    int exitCode = 0;

private:
    struct TimerEntry {
        std::chrono::milliseconds interval;
        std::chrono::milliseconds due;
        std::function<void()> onTick;
    };

    std::map<TimerId, TimerEntry> m_timers;
    TimerId m_nextId = 1;
    std::chrono::milliseconds m_now{0};
};

}  // namespace fakes

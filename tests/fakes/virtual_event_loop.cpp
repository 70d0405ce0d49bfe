#include "fakes/virtual_event_loop.h"

namespace fakes {

VirtualEventLoop::TimerId VirtualEventLoop::StartTimer(std::chrono::milliseconds interval,
                                                       std::function<void()> onTick) {
    const TimerId id = m_nextId++;
    m_timers[id] = TimerEntry{interval, m_now + interval, std::move(onTick)};
    return id;
}

void VirtualEventLoop::StopTimer(TimerId id) {
    m_timers.erase(id);
}

void VirtualEventLoop::YieldToMessageLoop() {
    ++yields;
    if (onYield) {
        onYield();
    }
}

void VirtualEventLoop::Quit(int code) {
    quit = true;
    exitCode = code;
}

void VirtualEventLoop::Advance(std::chrono::milliseconds duration) {
    const std::chrono::milliseconds end = m_now + duration;
    for (;;) {
        // The earliest due timer; ties go to the one started first.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due <= end &&
                (next == m_timers.end() || it->second.due < next->second.due)) {
                next = it;
            }
        }
        if (next == m_timers.end()) {
            break;
        }
        m_now = next->second.due;
        next->second.due += next->second.interval;
        // The handler may stop or start timers, so it runs on a copy.
        const std::function<void()> onTick = next->second.onTick;
        onTick();
    }
    m_now = end;
}

}  // namespace fakes

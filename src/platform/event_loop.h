#pragma once

// The event loop: repeating timers, and the yield that lets pending user
// input and timers run in the middle of long work on the one UI thread.

#include <chrono>
#include <cstdint>
#include <functional>

namespace platform {

class EventLoop {
public:
    using TimerId = std::uint64_t;

    virtual ~EventLoop() = default;

    // Starts a repeating timer; the callback runs on the UI thread each time
    // the interval has passed. The returned id is never 0.
    virtual TimerId StartTimer(std::chrono::milliseconds interval,
                               std::function<void()> onTick) = 0;
    // Stops a timer; unknown ids are ignored.
    virtual void StopTimer(TimerId id) = 0;

    // Handles the pending messages (input, painting, timers) and returns.
    virtual void YieldToMessageLoop() = 0;

    // For loops that wait on the user rather than work: sleeps until a
    // message arrives (or a short while has passed), then handles the
    // pending messages. By default it only yields.
    virtual void WaitForMessages() { YieldToMessageLoop(); }

    // Ends the program's message loop with this exit code.
    virtual void Quit(int exitCode) = 0;
};

}  // namespace platform

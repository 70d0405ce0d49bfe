#pragma once

#include <chrono>

#include "platform/event_loop.h"
#include "ui/control.h"

namespace ui {

// A timer of a window. While it is enabled and its window is loaded, the
// event loop runs its Timer handler once per interval. A tick that arrives
// while the handler still runs (because the handler yields to the message
// loop) is dropped, so a handler never runs inside itself.
class Timer : public Control {
public:
    Timer(Form& owner, std::string name, std::optional<int> index, Control* container);
    ~Timer() override;

    [[nodiscard]] std::chrono::milliseconds Interval() const noexcept { return m_interval; }
    void SetInterval(std::chrono::milliseconds interval);
    // The interval that the timer takes each time it is switched on; zero
    // (the default) keeps the one it has. For a timer whose handler slows it
    // down while nothing is near: switched on again after a pause, it looks
    // at once instead of after its last slow wait.
    void SetStartInterval(std::chrono::milliseconds interval) noexcept {
        m_startInterval = interval;
    }

    // Runs the handler now, as one tick would.
    void Tick();

    // Called by the window when it is loaded or unloaded.
    void Attach();
    void Detach();

    std::function<void()> onTimer;

protected:
    void EnabledChanged() override;

private:
    void Restart();

    bool m_attached = false;
    bool m_inHandler = false;
    std::chrono::milliseconds m_interval{0};
    std::chrono::milliseconds m_startInterval{0};
    platform::EventLoop::TimerId m_id = 0;
};

}  // namespace ui

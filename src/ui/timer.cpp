#include "ui/timer.h"

#include "ui/form.h"

namespace ui {

Timer::Timer(Form& owner, std::string name, std::optional<int> index, Control* container)
    : Control(owner, ControlType::Timer, std::move(name), index, container) {}

Timer::~Timer() {
    Detach();
}

void Timer::EnabledChanged() {
    if (Enabled() && m_startInterval.count() > 0) {
        m_interval = m_startInterval;
    }
    Restart();
}

void Timer::SetInterval(std::chrono::milliseconds interval) {
    m_interval = interval;
    Restart();
}

void Timer::Attach() {
    m_attached = true;
    Restart();
}

void Timer::Detach() {
    m_attached = false;
    Restart();
}

void Timer::Restart() {
    platform::EventLoop& loop = Owner().Loop();
    if (m_id != 0) {
        loop.StopTimer(m_id);
        m_id = 0;
    }
    if (m_attached && Enabled() && m_interval.count() > 0) {
        m_id = loop.StartTimer(m_interval, [this] { Tick(); });
    }
}

void Timer::Tick() {
    if (m_inHandler || !onTimer) {
        return;
    }
    m_inHandler = true;
    onTimer();
    m_inHandler = false;
}

}  // namespace ui

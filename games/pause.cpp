#include "pause.h"

Pause::Pause(Timers &timers, int ms) : m_timers(timers), m_ms(ms)
{
    m_id = m_timers.create([this] {
        auto next = std::move(m_next);
        m_next = nullptr;
        if (next)
            next();
    });
    m_timers.setSingleShot(m_id, true);
    m_timers.setInterval(m_id, ms);
}

void Pause::then(std::function<void()> next)
{
    m_next = std::move(next);
    m_timers.start(m_id, m_ms);
}

void Pause::cancel()
{
    m_timers.stop(m_id);
    m_next = nullptr;
}

// A pause in a game that lets the window run on: a single-shot timer that, when it runs out,
// carries on with what the game was doing. Starting it again replaces what was waiting.
#pragma once

#include "common/timers.h"

#include <functional>

class Pause
{
public:
    Pause(Timers &timers, int ms);
    void then(std::function<void()> next);
    // Drops what was waiting; nothing runs.
    void cancel();
    bool isRunning() const { return m_timers.isEnabled(m_id); }

private:
    Timers &m_timers;
    int m_id;
    int m_ms;
    std::function<void()> m_next;
};

#include "clock.h"

StartedClock::StartedClock(const QDateTime &start, double speed) : m_start(start), m_speed(speed)
{
    m_elapsed.start();
}

QDateTime StartedClock::now() const
{
    return m_start.addMSecs(qint64(double(m_elapsed.elapsed()) * m_speed));
}

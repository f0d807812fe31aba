#include "clock.h"

#include <QTimeZone>

QDateTime SystemClock::now() const
{
    static const QTimeZone local = QTimeZone::systemTimeZone();
    return QDateTime::currentDateTimeUtc().addMSecs(m_ahead).toTimeZone(local);
}

qint64 SystemClock::nowMs() const { return QDateTime::currentMSecsSinceEpoch() + m_ahead; }

StartedClock::StartedClock(const QDateTime &start, double speed)
    : m_start(start.timeSpec() == Qt::LocalTime ? QDateTime(start.date(), start.time(), QTimeZone::systemTimeZone())
                                                : start),
      m_startMs(m_start.toMSecsSinceEpoch()), m_speed(speed)
{
    m_elapsed.start();
}

qint64 StartedClock::elapsedMs() const { return qint64(double(m_elapsed.elapsed()) * m_speed) + m_ahead; }
QDateTime StartedClock::now() const { return m_start.addMSecs(elapsedMs()); }
qint64 StartedClock::nowMs() const { return m_startMs + elapsedMs(); }

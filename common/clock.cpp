#include "clock.h"

#include <QTimeZone>

QDateTime SystemClock::now() const
{
    static const QTimeZone local = QTimeZone::systemTimeZone();
    return QDateTime::currentDateTimeUtc().toTimeZone(local);
}

StartedClock::StartedClock(const QDateTime &start, double speed)
    : m_start(start.timeSpec() == Qt::LocalTime ? QDateTime(start.date(), start.time(), QTimeZone::systemTimeZone())
                                                : start),
      m_speed(speed)
{
    m_elapsed.start();
}

QDateTime StartedClock::now() const
{
    return m_start.addMSecs(qint64(double(m_elapsed.elapsed()) * m_speed));
}

// Where the programs learn the time. Nothing below main() reads the system clock itself, so
// tests and the simulation can set the time and let it run in virtual time.
#pragma once

#include <QDateTime>
#include <QElapsedTimer>

class Clock
{
public:
    virtual ~Clock() = default;
    // The local date and time now (its time zone is what "local" means to the pet).
    virtual QDateTime now() const = 0;
    // The same instant as milliseconds since the epoch, without working out a date and time in
    // the zone: what a step asks many times a minute only to learn where it stands in the minute.
    virtual qint64 nowMs() const { return now().toMSecsSinceEpoch(); }
    // While the timers call a handler ahead of its moment (or after it), the clock reads that
    // moment: ms later than it is (earlier when less than 0). The live clocks follow it.
    void setAhead(qint64 ms) { m_ahead = ms; }

protected:
    qint64 m_ahead = 0;
};

class SystemClock : public Clock
{
public:
    // Local time through Qt's own zone data, read once: the C library would look at the zone
    // file again at every call, and the pet asks every second.
    QDateTime now() const override;
    qint64 nowMs() const override;
};

// Starts at a given local time and runs on, speed times faster than real time (--at, --speed).
class StartedClock : public Clock
{
public:
    StartedClock(const QDateTime &start, double speed);
    QDateTime now() const override;
    qint64 nowMs() const override;

private:
    qint64 elapsedMs() const;
    QDateTime m_start;
    qint64 m_startMs;
    double m_speed;
    QElapsedTimer m_elapsed;
};

// A clock the test sets by hand.
class ManualClock : public Clock
{
public:
    explicit ManualClock(const QDateTime &t = QDateTime()) : m_now(t) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};

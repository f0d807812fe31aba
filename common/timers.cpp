#include "timers.h"

#include <QTimeZone>
#include <QTimer>
#include <algorithm>
#include <cmath>

struct QtTimers::Entry {
    std::unique_ptr<QTimer> timer;
    Handler handler;
    int interval = 0;
    bool enabled = false;
    bool singleShot = false;
};

QtTimers::QtTimers(double speed) : m_speed(speed > 0 ? speed : 1.0) {}
QtTimers::~QtTimers() = default;

int QtTimers::create(Handler handler)
{
    auto e = std::make_unique<Entry>();
    e->timer = std::make_unique<QTimer>();
    e->handler = std::move(handler);
    Entry *raw = e.get();
    QObject::connect(e->timer.get(), &QTimer::timeout, e->timer.get(), [raw] {
        if (raw->singleShot) {
            // A single-shot timer is disabled once it has fired, before its handler may re-arm it.
            raw->enabled = false;
            raw->timer->stop();
        }
        raw->handler();
    });
    m_entries.push_back(std::move(e));
    return int(m_entries.size()) - 1;
}

void QtTimers::apply(Entry &e)
{
    if (e.enabled && e.interval > 0) {
        const int ms = std::max(1, int(std::lround(e.interval / m_speed)));
        // Coarse timers may be coalesced by a few percent: fewer wake-ups, no visible difference.
        e.timer->start(ms);
    } else {
        e.timer->stop();
    }
}

void QtTimers::setInterval(int id, int ms)
{
    Entry &e = *m_entries.at(id);
    e.interval = std::max(0, ms);
    apply(e);
}

void QtTimers::setEnabled(int id, bool enabled)
{
    Entry &e = *m_entries.at(id);
    if (e.enabled == enabled)
        return;
    e.enabled = enabled;
    apply(e);
}

void QtTimers::setSingleShot(int id, bool singleShot)
{
    m_entries.at(id)->singleShot = singleShot;
}

bool QtTimers::isEnabled(int id) const { return m_entries.at(id)->enabled; }
int QtTimers::interval(int id) const { return m_entries.at(id)->interval; }

VirtualTime::VirtualTime(const QDateTime &start)
    // Local time through Qt's own zone data: the C library would read the zone file at each call.
    : m_start(start.timeSpec() == Qt::LocalTime ? QDateTime(start.date(), start.time(), QTimeZone::systemTimeZone())
                                                : start)
{
}

int VirtualTime::create(Handler handler)
{
    auto e = std::make_unique<Entry>();
    e->handler = std::move(handler);
    m_entries.push_back(std::move(e));
    return int(m_entries.size()) - 1;
}

void VirtualTime::arm(Entry &e)
{
    e.due = m_elapsed + e.interval;
    e.seq = ++m_seq;
}

void VirtualTime::setInterval(int id, int ms)
{
    Entry &e = *m_entries.at(id);
    e.interval = std::max(0, ms);
    if (e.enabled)
        arm(e);
}

void VirtualTime::setEnabled(int id, bool enabled)
{
    Entry &e = *m_entries.at(id);
    if (e.enabled == enabled)
        return;
    e.enabled = enabled;
    if (enabled)
        arm(e);
}

void VirtualTime::setSingleShot(int id, bool singleShot) { m_entries.at(id)->singleShot = singleShot; }
bool VirtualTime::isEnabled(int id) const { return m_entries.at(id)->enabled; }
int VirtualTime::interval(int id) const { return m_entries.at(id)->interval; }

void VirtualTime::rebase()
{
    // After a jump, timers that were due in the skipped time fire at the new instant at most once.
    for (auto &e : m_entries)
        if (e->enabled && e->interval > 0 && e->due < m_elapsed)
            e->due = m_elapsed;
}

qint64 VirtualTime::nextDue() const
{
    qint64 best = -1;
    for (const auto &e : m_entries)
        if (e->enabled && e->interval > 0 && (best < 0 || e->due < best))
            best = e->due;
    return best < 0 ? -1 : best - m_elapsed;
}

void VirtualTime::advance(qint64 ms)
{
    const qint64 target = m_elapsed + ms;
    for (;;) {
        Entry *next = nullptr;
        for (const auto &e : m_entries) {
            if (!e->enabled || e->interval <= 0 || e->due > target)
                continue;
            if (!next || e->due < next->due || (e->due == next->due && e->seq < next->seq))
                next = e.get();
        }
        if (!next)
            break;
        m_elapsed = next->due;
        if (next->singleShot)
            next->enabled = false;
        else
            arm(*next);
        next->handler();
    }
    m_elapsed = target;
}

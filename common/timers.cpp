#include "timers.h"

#include "stepend.h"

#include <QTimeZone>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

struct QtTimers::Entry {
    std::unique_ptr<QTimer> timer;
    Handler handler;
    int interval = 0;
    bool enabled = false;
    bool singleShot = false;
    // Passing over firings: once asked to, the timer is re-armed by hand at each firing. anchor is
    // the timers' time of the last firing reckoned (passed over or not); toPassOver firings after
    // it pass without the handler; passedOver have passed since the owner last asked.
    bool steered = false;
    qint64 anchor = 0;
    int toPassOver = 0;
    int passedOver = 0;
};

QtTimers::QtTimers(double speed) : m_speed(speed > 0 ? speed : 1.0) { m_elapsed.start(); }
QtTimers::~QtTimers() = default;

int QtTimers::create(Handler handler)
{
    auto e = std::make_unique<Entry>();
    e->timer = std::make_unique<QTimer>();
    e->handler = std::move(handler);
    Entry *raw = e.get();
    QObject::connect(e->timer.get(), &QTimer::timeout, e->timer.get(), [this, raw] {
        if (raw->singleShot) {
            // A single-shot timer is disabled once it has fired, before its handler may re-arm it.
            raw->enabled = false;
            raw->timer->stop();
        } else if (raw->steered) {
            fired(*raw);
        } else {
            raw->anchor = now();
        }
        const stepend::Step step;
        const Entry *outer = std::exchange(m_firing, raw);
        raw->handler();
        m_firing = outer;
    });
    m_entries.push_back(std::move(e));
    return int(m_entries.size()) - 1;
}

// The timers' own time: real milliseconds, times the speed.
qint64 QtTimers::now() const { return qint64(double(m_elapsed.nsecsElapsed()) * m_speed / 1e6); }

void QtTimers::apply(Entry &e)
{
    if (e.enabled && e.interval > 0) {
        const int ms = std::max(1, int(std::lround(e.interval / m_speed)));
        e.steered = false;
        e.toPassOver = 0;
        e.anchor = now();
        // Coarse timers may be coalesced by a few percent: fewer wake-ups, no visible difference.
        e.timer->setTimerType(Qt::CoarseTimer);
        e.timer->start(ms);
    } else {
        rollOn(e);
        e.toPassOver = 0;
        e.timer->stop();
    }
}

void QtTimers::rollOn(Entry &e) const
{
    if (!e.steered || e.toPassOver == 0 || e.interval <= 0)
        return;
    const int k = int(std::clamp<qint64>((now() - e.anchor) / e.interval, 0, e.toPassOver));
    e.anchor += qint64(k) * e.interval;
    e.toPassOver -= k;
    e.passedOver += k;
}

void QtTimers::fired(Entry &e)
{
    const qint64 t = now();
    const qint64 due = e.anchor + qint64(e.toPassOver + 1) * e.interval;
    e.passedOver += e.toPassOver;
    e.toPassOver = 0;
    // A firing late by a whole period or more (the machine was busy or asleep) counts once, as a
    // late window timer does; the rhythm starts again from here.
    e.anchor = t - due >= e.interval ? t : due;
    schedule(e);
}

void QtTimers::schedule(Entry &e)
{
    const qint64 due = e.anchor + qint64(e.toPassOver + 1) * e.interval;
    const qint64 wait = std::max<qint64>(0, due - now());
    // A wait of many periods must end on its period, not a few percent off.
    e.timer->setTimerType(Qt::PreciseTimer);
    e.timer->start(int(std::llround(double(wait) / m_speed)));
}

void QtTimers::start(int id, int ms)
{
    Entry &e = *m_entries.at(id);
    // Started anew with its own interval by its own handler: the timer has just fired and already
    // counts that interval again from its firing, which is where a restart would count it from.
    if (&e == m_firing && ms > 0 && e.interval == ms && e.enabled && !e.singleShot && !e.steered
        && e.timer->isActive())
        return;
    Timers::start(id, ms);
}

void QtTimers::passOver(int id, int n)
{
    Entry &e = *m_entries.at(id);
    if (!e.enabled || e.interval <= 0 || e.singleShot)
        return;
    rollOn(e);
    n = std::max(0, n);
    if (e.steered && n == e.toPassOver)
        return;
    e.steered = true;
    e.toPassOver = n;
    schedule(e);
}

int QtTimers::takePassedOver(int id)
{
    Entry &e = *m_entries.at(id);
    rollOn(e);
    return std::exchange(e.passedOver, 0);
}

qint64 QtTimers::untilNextFiring(int id) const
{
    const Entry &e = *m_entries.at(id);
    if (!e.enabled || e.interval <= 0)
        return -1;
    const qint64 t = now();
    qint64 next = e.anchor + e.interval;
    if (e.steered)
        next += qint64(std::clamp<qint64>((t - e.anchor) / e.interval, 0, e.toPassOver)) * e.interval;
    return std::max<qint64>(0, next - t);
}

qint64 QtTimers::untilOtherCall(int id) const
{
    const Entry *self = m_entries.at(id).get();
    qint64 best = -1;
    for (const auto &e : m_entries) {
        if (e.get() == self || !e->enabled || e->interval <= 0)
            continue;
        // The anchor is the last firing (or the start): the next call comes an interval after it,
        // after the firings still to pass over.
        const qint64 next = e->anchor + qint64(e->steered ? e->toPassOver + 1 : 1) * e->interval;
        if (best < 0 || next < best)
            best = next;
    }
    return best < 0 ? -1 : std::max<qint64>(0, best - now());
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
                                                : start),
      m_startMs(m_start.toMSecsSinceEpoch())
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
    e.toPassOver = 0;
    if (e.enabled)
        arm(e);
}

void VirtualTime::setEnabled(int id, bool enabled)
{
    Entry &e = *m_entries.at(id);
    if (e.enabled == enabled)
        return;
    e.enabled = enabled;
    e.toPassOver = 0;
    if (enabled)
        arm(e);
}

void VirtualTime::setSingleShot(int id, bool singleShot) { m_entries.at(id)->singleShot = singleShot; }
bool VirtualTime::isEnabled(int id) const { return m_entries.at(id)->enabled; }
int VirtualTime::interval(int id) const { return m_entries.at(id)->interval; }

void VirtualTime::passOver(int id, int n)
{
    Entry &e = *m_entries.at(id);
    if (e.enabled && e.interval > 0 && !e.singleShot)
        e.toPassOver = std::max(0, n);
}

int VirtualTime::takePassedOver(int id) { return std::exchange(m_entries.at(id)->passedOver, 0); }

qint64 VirtualTime::untilNextFiring(int id) const
{
    const Entry &e = *m_entries.at(id);
    return e.enabled && e.interval > 0 ? e.due - m_elapsed : -1;
}

qint64 VirtualTime::untilOtherCall(int id) const
{
    const Entry *self = m_entries.at(id).get();
    qint64 best = -1;
    for (const auto &e : m_entries) {
        if (e.get() == self || !e->enabled || e->interval <= 0)
            continue;
        const qint64 next = e->due + (e->singleShot ? 0 : qint64(e->toPassOver) * e->interval);
        if (best < 0 || next < best)
            best = next;
    }
    return best < 0 ? -1 : best - m_elapsed;
}

void VirtualTime::rebase()
{
    // After a jump, timers that were due in the skipped time fire at the new instant at most once,
    // and that firing calls the handler, as a late window timer would.
    for (auto &e : m_entries) {
        if (e->enabled && e->interval > 0 && e->due < m_elapsed) {
            e->due = m_elapsed;
            e->toPassOver = 0;
        }
    }
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
        // A firing passed over keeps the timer's place among timers due at the same instant,
        // exactly as one that called its handler.
        if (!next->singleShot && next->toPassOver > 0) {
            --next->toPassOver;
            ++next->passedOver;
            arm(*next);
            continue;
        }
        if (next->singleShot)
            next->enabled = false;
        else
            arm(*next);
        next->handler();
    }
    m_elapsed = target;
}

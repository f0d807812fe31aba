#include "timers.h"

#include "stepend.h"

#include <QTimeZone>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <utility>

// A timer's state, all but its Qt timer and handler (what save() keeps).
struct QtTimers::State {
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
    bool operator==(const State &) const = default;
};

struct QtTimers::Entry : State {
    std::unique_ptr<QTimer> timer;
    Handler handler;
    // Changed while handlers were called by hand or the timers held: its Qt timer is armed from
    // the anchor once that is over.
    bool putOff = false;
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
qint64 QtTimers::now() const
{
    return m_pinned >= 0 ? m_pinned : qint64(double(m_elapsed.nsecsElapsed()) * m_speed / 1e6);
}

void QtTimers::apply(Entry &e)
{
    if (e.enabled && e.interval > 0 && (m_byHand > 0 || m_held)) {
        // Its rhythm counts from now, the moment being worked out; the Qt timer follows later.
        e.steered = true;
        e.toPassOver = 0;
        e.anchor = now();
        e.putOff = true;
        return;
    }
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
    if (m_byHand > 0 || m_held) {
        e.putOff = true;
        return;
    }
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

void QtTimers::arm(Entry &e)
{
    e.putOff = false;
    if (!e.enabled || e.interval <= 0) {
        e.timer->stop();
        return;
    }
    if (e.singleShot) {
        // A single shot keeps Qt's own countdown: its moment is the anchor's interval on.
        const qint64 wait = std::max<qint64>(0, e.anchor + e.interval - now());
        e.timer->setTimerType(Qt::PreciseTimer);
        e.timer->start(int(std::llround(double(wait) / m_speed)));
        return;
    }
    e.steered = true;
    schedule(e);
}

void QtTimers::armPutOff()
{
    if (m_byHand > 0 || m_held)
        return;
    for (auto &e : m_entries)
        if (e->putOff)
            arm(*e);
}

Timers::Call QtTimers::nextCall() const
{
    Call best;
    qint64 bestAt = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &e = *m_entries[i];
        if (!e.enabled || e.interval <= 0)
            continue;
        const qint64 at = e.anchor + qint64(e.steered ? e.toPassOver + 1 : 1) * e.interval;
        if (best.id < 0 || at < bestAt) {
            best.id = int(i);
            bestAt = at;
        }
    }
    if (best.id >= 0)
        best.in = bestAt - now();
    return best;
}

void QtTimers::callNext()
{
    const Call c = nextCall();
    if (c.id < 0)
        return;
    Entry &e = *m_entries[size_t(c.id)];
    const qint64 at = now() + c.in;
    ++m_byHand;
    m_pinned = at;
    if (m_clock)
        m_clock->setAhead(c.in);
    if (e.singleShot) {
        e.enabled = false;
        e.timer->stop();
    } else {
        if (e.steered)
            e.passedOver += e.toPassOver;
        e.toPassOver = 0;
        e.anchor = at;
        e.steered = true;
        e.putOff = true;
    }
    {
        const stepend::Step step;
        const Entry *outer = std::exchange(m_firing, &e);
        e.handler();
        m_firing = outer;
    }
    if (m_clock)
        m_clock->setAhead(0);
    m_pinned = -1;
    --m_byHand;
    armPutOff();
}

Timers::Saved QtTimers::save() const
{
    auto saved = std::make_shared<std::vector<State>>();
    saved->reserve(m_entries.size());
    for (const auto &e : m_entries)
        saved->push_back(*e);
    return saved;
}

void QtTimers::restore(const Saved &saved)
{
    const auto *states = static_cast<const std::vector<State> *>(saved.get());
    if (!states)
        return;
    for (size_t i = 0; i < std::min(states->size(), m_entries.size()); ++i) {
        Entry &e = *m_entries[i];
        const State &st = (*states)[i];
        if (static_cast<const State &>(e) == st && !e.putOff)
            continue;
        static_cast<State &>(e) = st;
        e.putOff = true;
    }
    armPutOff();
}

void QtTimers::holdUntil(qint64 ms, Handler wake)
{
    if (!m_held) {
        m_held = true;
        for (auto &e : m_entries) {
            e->timer->stop();
            e->putOff = true;
        }
    }
    if (!m_hold) {
        m_hold = std::make_unique<QTimer>();
        m_hold->setSingleShot(true);
        m_hold->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_hold.get(), &QTimer::timeout, m_hold.get(), [this] {
            const stepend::Step step;
            if (Handler wake = std::move(m_wake))
                wake();
        });
    }
    m_wake = std::move(wake);
    m_hold->start(int(std::llround(double(std::max<qint64>(0, ms)) / m_speed)));
}

void QtTimers::release()
{
    if (!m_held)
        return;
    m_held = false;
    m_wake = nullptr;
    m_hold->stop();
    armPutOff();
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

VirtualTime::Entry *VirtualTime::nextFiring(qint64 until) const
{
    Entry *next = nullptr;
    for (const auto &e : m_entries) {
        if (!e->enabled || e->interval <= 0 || e->due > until)
            continue;
        if (!next || e->due < next->due || (e->due == next->due && e->seq < next->seq))
            next = e.get();
    }
    return next;
}

bool VirtualTime::fire(Entry &e)
{
    // Firings held back come at their own moments, as do those passed over while held.
    m_elapsed = e.due;
    // A firing passed over keeps the timer's place among timers due at the same instant,
    // exactly as one that called its handler.
    if (!e.singleShot && e.toPassOver > 0) {
        --e.toPassOver;
        ++e.passedOver;
        arm(e);
        return false;
    }
    if (e.singleShot)
        e.enabled = false;
    else
        arm(e);
    return true;
}

void VirtualTime::advance(qint64 ms)
{
    const qint64 target = m_elapsed + ms;
    for (;;) {
        // Held: nothing fires before the hold's end, where the owner is woken instead.
        if (m_holdAt >= 0) {
            if (m_holdAt > target)
                break;
            m_elapsed = std::max(m_elapsed, m_holdAt);
            m_holdAt = -1;
            if (Handler wake = std::exchange(m_wake, nullptr))
                wake();
            continue;
        }
        Entry *next = nextFiring(target);
        if (!next)
            break;
        if (fire(*next))
            next->handler();
    }
    m_elapsed = target;
}

Timers::Call VirtualTime::nextCall() const
{
    Call best;
    qint64 bestAt = 0;
    quint64 bestSeq = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &e = *m_entries[i];
        if (!e.enabled || e.interval <= 0)
            continue;
        const qint64 at = e.due + (e.singleShot ? 0 : qint64(e.toPassOver) * e.interval);
        // Firings passed over are not calls, but they rank as the firing they stand in for.
        if (best.id < 0 || at < bestAt || (at == bestAt && e.seq < bestSeq)) {
            best.id = int(i);
            bestAt = at;
            bestSeq = e.seq;
        }
    }
    if (best.id >= 0)
        best.in = bestAt - m_elapsed;
    return best;
}

void VirtualTime::callNext()
{
    const Call c = nextCall();
    if (c.id < 0)
        return;
    Entry *chosen = m_entries[size_t(c.id)].get();
    const qint64 real = m_elapsed;
    const qint64 at = real + c.in;
    // The firings passed over before the call are counted in their order, as advance() would.
    while (Entry *next = nextFiring(at)) {
        if (next != chosen && (next->singleShot || next->toPassOver <= 0))
            break; // another call due at the same moment ranks first: nextCall() said not
        if (fire(*next)) {
            next->handler();
            break;
        }
    }
    m_elapsed = real;
}

Timers::Saved VirtualTime::save() const
{
    auto saved = std::make_shared<std::pair<quint64, std::vector<State>>>();
    saved->first = m_seq;
    for (const auto &e : m_entries)
        saved->second.push_back(*e);
    return saved;
}

void VirtualTime::restore(const Saved &saved)
{
    const auto *states = static_cast<const std::pair<quint64, std::vector<State>> *>(saved.get());
    if (!states)
        return;
    m_seq = states->first;
    for (size_t i = 0; i < std::min(states->second.size(), m_entries.size()); ++i)
        static_cast<State &>(*m_entries[i]) = states->second[i];
}

void VirtualTime::holdUntil(qint64 ms, Handler wake)
{
    m_holdAt = m_elapsed + std::max<qint64>(0, ms);
    m_wake = std::move(wake);
}

void VirtualTime::release()
{
    m_holdAt = -1;
    m_wake = nullptr;
    // The firings passed over while held are counted now, as the live timers count them by time;
    // calls overdue wait for advance().
    const qint64 real = m_elapsed;
    while (Entry *next = nextFiring(real)) {
        if (next->singleShot || next->toPassOver <= 0)
            break;
        fire(*next);
    }
    m_elapsed = real;
}

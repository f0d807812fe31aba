// Named timers the rules arm, re-arm and stop, in the manner of window timers: a timer has an
// interval and an enabled flag; an enabled timer with interval 0 never fires; changing the
// interval of an enabled timer restarts its countdown. A repeating timer may also pass over its
// next firings without calling its handler, so that the program sleeps through them, and say
// afterwards how many it passed over. QtTimers backs them with QTimer; the VirtualTime of tests
// and the simulation runs them in virtual time and is also their clock.
#pragma once

#include "clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

class Timers
{
public:
    using Handler = std::function<void()>;
    virtual ~Timers() = default;

    virtual int create(Handler handler) = 0;
    virtual void setInterval(int id, int ms) = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual void setSingleShot(int id, bool singleShot) = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual int interval(int id) const = 0;
    // The repeating timer's next n firings pass without calling its handler; the one after them
    // calls it as usual. Enabling the timer or setting its interval ends the passing over.
    virtual void passOver(int id, int n) = 0;
    // How many firings the timer passed over since it was last asked.
    virtual int takePassedOver(int id) = 0;
    // Milliseconds until the timer's next firing, passed over or not; -1 when it is not running.
    virtual qint64 untilNextFiring(int id) const = 0;
    // Milliseconds until the next call of a handler of a running timer other than id (firings
    // passed over do not count); -1 when no other timer runs.
    virtual qint64 untilOtherCall(int id) const = 0;

    // Working out the pet's next moments ahead of their time, so that the window system shows its
    // pictures on time while the program sleeps. The next call of a handler (firings passed over
    // are not calls): which timer and in how many milliseconds (less than 0: overdue); id -1 when
    // no timer runs, or where these timers cannot call ahead.
    struct Call {
        int id = -1;
        qint64 in = 0;
    };
    virtual Call nextCall() const { return {}; }
    // Makes nextCall() now, as the timers would at its moment: while the handler runs, the timers'
    // time (and the clock they were given) reads that moment, ahead or behind.
    virtual void callNext() {}
    // Every timer's state, to be put back as it was (a moment worked out ahead that must not stand).
    using Saved = std::shared_ptr<const void>;
    virtual Saved save() const { return nullptr; }
    virtual void restore(const Saved &) {}
    // No handler is called until ms from now (nor by a firing late by then); at that moment wake
    // is called instead, once, and the owner makes the calls that fell due with callNext() before
    // it releases the timers. release() ends the hold at any time; the calls overdue then follow.
    virtual void holdUntil(qint64 /*ms*/, Handler /*wake*/) {}
    virtual void release() {}
    virtual bool held() const { return false; }

    // Disable, set the interval, enable: the next firing comes ms from now.
    virtual void start(int id, int ms)
    {
        setEnabled(id, false);
        setInterval(id, ms);
        setEnabled(id, true);
    }
    void stop(int id) { setEnabled(id, false); }
};

class QtTimers : public Timers
{
public:
    // speed > 1 runs every timer that many times faster (the --speed time-lapse).
    explicit QtTimers(double speed = 1.0);
    ~QtTimers() override;

    int create(Handler handler) override;
    void setInterval(int id, int ms) override;
    void setEnabled(int id, bool enabled) override;
    void setSingleShot(int id, bool singleShot) override;
    bool isEnabled(int id) const override;
    int interval(int id) const override;
    void passOver(int id, int n) override;
    int takePassedOver(int id) override;
    qint64 untilNextFiring(int id) const override;
    qint64 untilOtherCall(int id) const override;
    void start(int id, int ms) override;
    Call nextCall() const override;
    void callNext() override;
    Saved save() const override;
    void restore(const Saved &saved) override;
    void holdUntil(qint64 ms, Handler wake) override;
    void release() override;
    bool held() const override { return m_held; }
    // The clock a handler called ahead (or behind) reads at its moment.
    void setClock(Clock *clock) { m_clock = clock; }

private:
    struct Entry;
    struct State;
    void apply(Entry &e);
    void fired(Entry &e);
    void rollOn(Entry &e) const;
    void schedule(Entry &e);
    // Arms the Qt timer of an entry whose rhythm the anchor holds.
    void arm(Entry &e);
    void armPutOff();
    qint64 now() const;
    double m_speed;
    QElapsedTimer m_elapsed;
    std::vector<std::unique_ptr<Entry>> m_entries;
    const Entry *m_firing = nullptr; // the timer whose handler runs now
    Clock *m_clock = nullptr;
    qint64 m_pinned = -1; // the timers' time while a handler is called at its moment by hand
    int m_byHand = 0;     // while calling by hand, Qt's timers are armed afterwards
    bool m_held = false;
    std::unique_ptr<QTimer> m_hold;
    Handler m_wake;
};

class VirtualTime : public Timers, public Clock
{
public:
    explicit VirtualTime(const QDateTime &start);

    int create(Handler handler) override;
    void setInterval(int id, int ms) override;
    void setEnabled(int id, bool enabled) override;
    void setSingleShot(int id, bool singleShot) override;
    bool isEnabled(int id) const override;
    int interval(int id) const override;
    void passOver(int id, int n) override;
    int takePassedOver(int id) override;
    qint64 untilNextFiring(int id) const override;
    qint64 untilOtherCall(int id) const override;
    Call nextCall() const override;
    void callNext() override;
    Saved save() const override;
    void restore(const Saved &saved) override;
    void holdUntil(qint64 ms, Handler wake) override;
    void release() override;
    bool held() const override { return m_holdAt >= 0; }

    QDateTime now() const override { return m_start.addMSecs(m_elapsed); }
    qint64 nowMs() const override { return m_startMs + m_elapsed; }
    qint64 elapsedMs() const { return m_elapsed; }
    // Runs every timer that falls due within the next ms milliseconds, in order of time.
    void advance(qint64 ms);
    // Moves the clock without firing anything (the machine slept, the user came back later).
    void jump(qint64 ms) { m_elapsed += ms; rebase(); }
    // Milliseconds until the next timer fires, or -1 when none is armed.
    qint64 nextDue() const;

private:
    struct State {
        int interval = 0;
        bool enabled = false;
        bool singleShot = false;
        qint64 due = 0;
        quint64 seq = 0;
        int toPassOver = 0;
        int passedOver = 0;
    };
    struct Entry : State {
        Handler handler;
    };
    void arm(Entry &e);
    // The next firing, passed over or not, due by `until` (nullptr: none).
    Entry *nextFiring(qint64 until) const;
    // One firing of e at its moment: passed over (false), or a call whose handler runs now (true).
    bool fire(Entry &e);
    void rebase();
    QDateTime m_start;
    qint64 m_startMs;
    qint64 m_elapsed = 0;
    quint64 m_seq = 0;
    std::vector<std::unique_ptr<Entry>> m_entries;
    qint64 m_holdAt = -1;
    Handler m_wake;
};

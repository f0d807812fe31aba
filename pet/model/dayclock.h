// The pet's view of the day: the hour and minute it lives by (local, or Germany's with the
// option), the festival days in one table, the clock labels, and the minute's counting (the
// running time, the minutes away, the flower's days, the present countdown). The engine and the
// buttons read the hour here; only this part writes it.
#pragma once

#include "activity.h"
#include "common/clock.h"

#include <QDateTime>
#include <optional>

class PetMemory;
class Scene;
struct Runtime;

class DayClock
{
public:
    DayClock(Clock &clock, PetMemory &memory, Scene &scene, Runtime &rt)
        : m_clock(clock), m_memory(memory), m_scene(scene), m_rt(rt)
    {
    }

    // The time in Germany for a local instant.
    static QDateTime germanTime(const QDateTime &local);
    // Whether the hour table treats the date as a festival: 1-3 Jan, 2-4 Feb, 3-5 Mar, 5-7 May
    // or 15-17 Sep.
    static bool isFestivalDay(int month, int day);
    // The festival activity the pet chats in on that date and hour (Christmas included, the moon
    // only in the evening), if any.
    static std::optional<Activity> festivalActivity(int month, int day, int hour);

    // The hour the pet lives by, from the clock now; with German time also the time lag.
    void refreshHour();
    void takeGermanHour();
    // The minute the pet lives by, from the clock now.
    void refreshMinute();
    // The month and day, from the clock now.
    void refreshDate();
    // The date, time and German time labels.
    void refreshLabels();

    // One second of the clock: true when a minute has gone by and its work is due.
    bool countSecond();
    // The present countdown, once a minute: true when a present check is due.
    bool countPresentMinute();
    // The minute's counting: running time (half while the user is away), minutes away, the day
    // numbers kept current, the flower's days.
    void countMinute(const QDateTime &now);
    // After each second: the labels when their minute changed, and the hour the pet lives by.
    void followClock(const QDateTime &now);
    // How many seconds, from the one falling untilNext milliseconds after nowMs (the clock's
    // instant in milliseconds since the epoch) on, only count as far as the day goes: the second
    // after them does the minute's work, turns the labels or changes the hour.
    int quietSeconds(qint64 nowMs, qint64 untilNext);
    // Whether the next second counted completes a minute.
    bool minuteDue() const;
    // The user goes out: the minutes away count from now.
    void startCountingAway();
    // The minute the clock labels show, to be put back as it was (a moment worked out ahead).
    qint64 labelMinute() const { return m_labelKey; }
    void setLabelMinute(qint64 key) { m_labelKey = key; }

private:
    // The clock worked out once a minute: the labels and the hours only change when the minute
    // does.
    struct MinuteView {
        qint64 key = -1;
        int localHour = 0;
        int germanHour = 0;
        int germanMinute = 0;
        bool germanYesterday = false; // Germany's date lags behind ours
        int timelag = 0;
    };
    const MinuteView &minuteView(const QDateTime &now);
    // The clock's date and time at the instant ms (milliseconds since the epoch).
    QDateTime instant(qint64 ms) const;
    void labels(const QDateTime &now);

    Clock &m_clock;
    PetMemory &m_memory;
    Scene &m_scene;
    Runtime &m_rt;
    MinuteView m_view;
    qint64 m_labelKey = -1; // the minute the clock labels show
};

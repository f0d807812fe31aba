// The event engine: the once-a-second clock of the pet window, the choice of the pet's activity
// by hour, date, friendship and presents (Firstsetibent and the pickers), what follows when an
// activity's time is up, the step timer that plays the current activity, the props' animation
// timers, and the hourly present file. Events themselves are step procedures (events.h).
#pragma once

#include "pet/core/context.h"

#include <QDateTime>

enum class Picker { Sleep, Wakeup, Meal, Rest, Bath, Bedtime, Hobby, Talk };
enum class Anim { Awa, Water, Tv, Comp, Susuki, Mini4wd, Rase1, Rase2 };

class Engine
{
public:
    explicit Engine(PetContext &ctx);

    // The once-a-second tick (nextibenttimer).
    void tick();
    void setTickEnabled(bool on);
    // The date, time and German time labels, as the tick shows them.
    void refreshClockLabels();
    bool tickEnabled() const;

    void Setibent(qint16 n);
    void CReset();
    void Clearfun();
    void Firstsetibent();
    void Doibent();
    void Setibenttimer(int ms);
    int stepInterval() const;
    // Switches to event n when the user is here, r is 1 and nothing else is going on; returns
    // whether it switched (the calling step then stops).
    bool Chanceibent(int r, qint16 n);
    qint32 Nightlength();
    void Germanhour();
    // Nowhour from the local clock, or from the time in Germany when living on German time.
    void refreshNowhour();
    void Presentcheck();
    void pick(Picker p);

    // What the event steps use.
    void Loadpic(const QString &strip);
    void Setframe(int n);
    void Startawa(int x1, int y1, int x2, int y2);
    void startAnimation(Anim a);
    bool animationRunning(Anim a) const;
    void beep();
    PetContext &ctx() { return m_ctx; }
    Runtime &rt() { return m_ctx.rt; }
    int draw(int n) { return m_ctx.rnd.draw(n); }

    // The time in Germany for a local instant.
    static QDateTime germanTime(const QDateTime &local);
    // Whether 1-3 Jan, 2-4 Feb, 3-5 Mar, 5-7 May or 15-17 Sep.
    static bool Festday(int month, int day);

    // Animation steps, public for tests that drive them directly.
    void awaStep();
    void waterStep();
    void tvStep();
    void compStep();
    void susukiStep();
    void mini4wdStep();
    void rase1Step();
    void rase2Step();
    void Setflower();

private:
    // The clock as the engine reads it, worked out once a minute: the labels and the hours only
    // change when the minute does.
    struct MinuteView {
        qint64 key = -1;
        int localHour = 0;
        int germanHour = 0;
        int germanMinute = 0;
        int timelag = 0;
    };
    const MinuteView &minuteView(const QDateTime &now);
    void minuteSteps(const QDateTime &now);
    void clockLabels(const QDateTime &now);
    void followUp(qint16 ended);
    void restToTheHour();
    void setRestflag();
    bool deliverPresent(int k);
    int timerOf(Anim a) const;

    PetContext &m_ctx;
    int m_nextibenttimer;
    int m_ibenttimer;
    int m_anim[8];
    MinuteView m_view;
    qint64 m_labelKey = -1; // the minute the clock labels show
    int m_awaPhase = 0;
    bool m_waterToggle = false;
    bool m_susukiToggle = false;
    bool m_raseToggle = false;
};

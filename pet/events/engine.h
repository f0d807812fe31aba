// The event engine: the once-a-second clock of the pet window, the choice of the pet's activity
// by hour, date, friendship and presents (chooseForTheHour and the pickers), what follows when an
// activity's time is up, the step timer that plays the current activity, the props' animation
// timers, and the hourly present file. Events themselves are step procedures (events.h).
#pragma once

#include "pet/core/context.h"

#include <QDateTime>

enum class Picker { Sleep, Wakeup, Meal, Rest, Bath, Bedtime, Hobby, Talk };
enum class Anim { Bubbles, Water, Tv, Computer, Grass, ToyCar, RaceStart, RaceRun };

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

    void startActivity(qint16 n);
    void restartCountdown();
    void stopAnimations();
    void chooseForTheHour();
    void playStep();
    void setStepInterval(int ms);
    int stepInterval() const;
    // Switches to event n when the user is here, r is 1 and nothing else is going on; returns
    // whether it switched (the calling step then stops).
    bool switchByChance(int r, qint16 n);
    qint32 nightLength();
    void takeGermanHour();
    // hour from the local clock, or from the time in Germany when living on German time.
    void refreshHour();
    void maybeDeliverPresent();
    void pick(Picker p);

    // What the event steps use.
    void showStrip(const QString &strip);
    void showFrame(int n);
    void startBubbles(int x1, int y1, int x2, int y2);
    void startAnimation(Anim a);
    bool animationRunning(Anim a) const;
    void beep();
    PetContext &ctx() { return m_ctx; }
    Runtime &rt() { return m_ctx.rt; }
    int draw(int n) { return m_ctx.rnd.draw(n); }

    // The time in Germany for a local instant.
    static QDateTime germanTime(const QDateTime &local);
    // Whether 1-3 Jan, 2-4 Feb, 3-5 Mar, 5-7 May or 15-17 Sep.
    static bool isFestivalDay(int month, int day);

    // Animation steps, public for tests that drive them directly.
    void bubbleStep();
    void waterStep();
    void tvStep();
    void computerStep();
    void grassStep();
    void toyCarStep();
    void raceStartStep();
    void raceRunStep();
    void showFlowerGrowth();

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
    int m_clockTimer;
    int m_stepTimer;
    int m_anim[8];
    MinuteView m_view;
    qint64 m_labelKey = -1; // the minute the clock labels show
    int m_bubblePhase = 0;
    bool m_waterUp = false;
    bool m_grassBent = false;
    bool m_raceBounce = false;
};

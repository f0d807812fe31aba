// The event engine: the once-a-second clock of the pet window, the choice of the pet's activity
// by hour, date, friendship and presents (chooseForTheHour and the pickers), what follows when an
// activity's time is up, the step timer that plays the current activity, the props' animation
// timers, and the hourly present file. Activities themselves are step procedures (events.h).
// It reaches the windows only through the stage, and knows nothing of the pet's other parts.
#pragma once

#include "pet/model/activities.h"
#include "pet/model/context.h"
#include "pet/model/stage.h"
#include "hourtable.h"
#include "player.h"

#include <QDateTime>

class Engine : public Activities, public Player
{
public:
    Engine(PetContext &ctx, Stage &stage);

    // The once-a-second tick.
    void tick();
    void setClockRunning(bool on) override;
    bool clockRunning() const override;
    void setActivityLength(qint32 seconds) override;

    void startActivity(Activity a) override;
    void restartCountdown() override;
    void stopAnimations() override;
    void chooseForTheHour() override;
    void playStep() override;
    bool disturbSleep() override;
    void setStepInterval(int ms) override;
    void passOverSteps(int n) override;
    int stepsBeforeOtherWork() const override;
    void drawAheadAfterOtherWork(std::function<void(Player &)> more) override;
    int stepInterval() const;
    // Milliseconds until the step timer's next firing, passed over or not (-1: none is set).
    qint64 untilNextStep() const;
    bool switchByChance(int r, Activity a) override;
    qint32 nightLength();
    void maybeDeliverPresent();
    void pick(Picker p);

    // What the activities' steps use.
    void showStrip(const QString &strip) override;
    void showFrame(int n) override;
    void startBubbles(int x1, int y1, int x2, int y2) override;
    void startAnimation(Anim a) override;
    bool animationRunning(Anim a) const;
    void beep() override;
    PetContext &ctx() override { return m_ctx; }
    Stage &stage() override { return m_stage; }

    // Animation steps, public for tests that drive them directly.
    void bubbleStep();
    void waterStep();
    void tvStep();
    void computerStep();
    void grassStep();
    void toyCarStep();
    void raceStartStep();
    void raceRunStep();
    void showFlowerGrowth() override;

    // Working out the pet's next moments ahead of their time: whether timer id is one whose calls
    // may be made ahead (the steps and the props' animations; the clock's work never is), and the
    // engine's own working values, to be put back as they were.
    bool callsAhead(int timerId) const;
    struct Saved {
        std::function<void(Player &)> aheadLater;
        qint16 aheadActivity = 0;
        qint16 aheadStep = 0;
        int bubblePhase = 0;
        bool waterUp = false;
        bool grassBent = false;
        bool raceBounce = false;
    };
    Saved save() const;
    void restore(const Saved &s);

private:
    // The clock's timer sleeps through the seconds in which the tick would only count, and the
    // seconds it slept through are counted before anything reads or changes the counts.
    void clockFired();
    void countSecondsSlept();
    void sleepUntilNeeded();
    void minuteSteps(const QDateTime &now);
    void followUp(Activity ended);
    void restToTheHour();
    void markMealOver();
    bool deliverPresent(int k);
    int timerOf(Anim a) const;

    PetContext &m_ctx;
    Stage &m_stage;
    int m_clockTimer;
    int m_stepTimer;
    // The rest visits still to draw once the clock's work is done, and the activity and step
    // they belong to.
    std::function<void(Player &)> m_aheadLater;
    qint16 m_aheadActivity = 0;
    qint16 m_aheadStep = 0;
    int m_anim[8];
    int m_bubblePhase = 0;
    bool m_waterUp = false;
    bool m_grassBent = false;
    bool m_raceBounce = false;
};

// What an activity's steps may use while they play: the shared model, the stage, chance, the
// pet's picture, the step timer, the props' animations, and starting another activity. The
// engine implements it; the activities see nothing else of it, so the engine and the table of
// activities do not include each other.
#pragma once

#include "pet/model/activity.h"
#include "pet/model/context.h"
#include "pet/model/stage.h"

#include <array>
#include <functional>

// The props' animations, each on its own timer.
enum class Anim { Bubbles, Water, Tv, Computer, Grass, ToyCar, RaceStart, RaceRun };

class Player
{
public:
    virtual ~Player() = default;

    virtual PetContext &ctx() = 0;
    virtual Stage &stage() = 0;
    Runtime &rt() { return ctx().rt; }
    int draw(int n) { return ctx().rnd.draw(n); }

    virtual void startActivity(Activity a) = 0;
    virtual void restartCountdown() = 0;
    virtual void playStep() = 0;
    // Switches to activity a when the user is here, r is 1 and nothing else is going on; returns
    // whether it switched (the calling step then stops).
    virtual bool switchByChance(int r, Activity a) = 0;

    virtual void showStrip(const QString &strip) = 0;
    virtual void showFrame(int n) = 0;
    // The time until the next step, in milliseconds.
    virtual void setStepInterval(int ms) = 0;
    // The next n steps are not played: they would show what is shown already. The one after them
    // comes on the steps' rhythm as before. Setting an interval or starting an activity ends it.
    virtual void passOverSteps(int n) = 0;
    // How many of the next steps come before any other timer's work (which may draw as well);
    // -1: no other timer runs.
    virtual int stepsBeforeOtherWork() const = 0;
    // The visits drawn ahead stopped short of another timer's work: once the clock's work is
    // done, `more` draws the next ones (the step and activity being still the same). Playing a
    // step, setting an interval or starting an activity forgets it.
    virtual void drawAheadAfterOtherWork(std::function<void(Player &)> more) = 0;
    virtual void startAnimation(Anim a) = 0;
    // The two bath bubbles at their places, wobbling.
    virtual void startBubbles(int x1, int y1, int x2, int y2) = 0;
    // The flower's picture by the days it has grown.
    virtual void showFlowerGrowth() = 0;
    virtual void beep() = 0;
};

// An activity: each call plays the step rt().step names and sets the next one.
using EventProc = void (*)(Player &);
// Indexed by activity number (0..1006).
using EventTable = std::array<EventProc, 1007>;

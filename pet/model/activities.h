// What the dialogs, the game launch and the click handling may ask of the pet's activities: start
// one, play its step now, disturb its sleep, restart its countdown, stop the props' animations,
// choose for the hour, stop or restart the clock. The engine implements it; its working values stay its own.
#pragma once

#include "activity.h"

#include <QtGlobal>

class Activities
{
public:
    virtual ~Activities() = default;

    // Begins the activity at its first step.
    virtual void startActivity(Activity a) = 0;
    // Plays the current activity's step at once.
    virtual void playStep() = 0;
    // A click on the sleeping pet. The first makes it stir in its sleep (false); the second wakes
    // it (true), and the sleep it was woken from is kept for its going back to sleep.
    virtual bool disturbSleep() = 0;
    // The activity's countdown and step back to their start.
    virtual void restartCountdown() = 0;
    // How many seconds the current activity lasts (0: until something else ends it).
    virtual void setActivityLength(qint32 seconds) = 0;
    // Stops the props' animations and hides their props.
    virtual void stopAnimations() = 0;
    // What the pet does at this hour, chosen anew.
    virtual void chooseForTheHour() = 0;
    // The once-a-second clock; it stands still while a game is played.
    virtual void setClockRunning(bool on) = 0;
    virtual bool clockRunning() const = 0;
};

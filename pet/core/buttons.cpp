#include "buttons.h"

#include "pet/model/activity.h"


bool Buttons::freeHour(int hour)
{
    switch (hour) {
    case 9: case 10: case 11: case 13: case 14: case 16: case 17: case 19: case 20:
        return true;
    default:
        return false;
    }
}

void Buttons::lockPresentAndHobby()
{
    setAvailable(Button::Present, false);
    setAvailable(Button::Hobby, false);
}

void Buttons::unlockPresentAndHobby()
{
    if (m_ctx.rt.userAway())
        return;
    setAvailable(Button::Present, true);
    setAvailable(Button::Hobby, true);
}

void Buttons::refreshButtons()
{
    Runtime &rt = m_ctx.rt;
    m_ctx.day.refreshHour();
    const qint16 n = rt.activity;
    if (freeHour(rt.hour)) {
        if (rt.talkState == Talk::None)
            unlockPresentAndHobby();
    } else {
        if (isChatting(n) || isResting(n))
            unlockPresentAndHobby();
        else
            lockPresentAndHobby();
    }
    // Studying greys the Hobby button, and baking and fortune telling grey Present and Hobby, at
    // every step: the minute's refresh must not light them up until the next step greys them again.
    const bool bakingOrFortune = isBakingOrFortuneTelling(n);
    if (bakingOrFortune)
        setAvailable(Button::Present, false);
    if (bakingOrFortune || n == number(Activity::Studying))
        setAvailable(Button::Hobby, false);
    if (rt.hour >= 9 && rt.hour <= 20) {
        setAvailable(Button::Leave, true);
    } else {
        setAvailable(Button::Leave, false);
        if (rt.userAway())
            setAvailable(Button::End, true);
    }
}

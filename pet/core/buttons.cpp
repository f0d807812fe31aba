#include "buttons.h"

#include "pet/events/engine.h"

bool Buttons::freeHour(int hour)
{
    switch (hour) {
    case 9: case 10: case 11: case 13: case 14: case 16: case 17: case 19: case 20:
        return true;
    default:
        return false;
    }
}

void Buttons::Btnofffun()
{
    setAvailable(Button::Present, false);
    setAvailable(Button::Hobby, false);
}

void Buttons::Btnonfun()
{
    if (m_ctx.rt.userAway())
        return;
    setAvailable(Button::Present, true);
    setAvailable(Button::Hobby, true);
}

void Buttons::Btncheckfun()
{
    Runtime &rt = m_ctx.rt;
    m_ctx.engine->refreshNowhour();
    if (freeHour(rt.Nowhour)) {
        if (rt.Talkflag == 0)
            Btnonfun();
    } else {
        const qint16 n = rt.Ibentno;
        if ((n >= 1 && n <= 6) || (n >= 23 && n <= 25))
            Btnonfun();
        else
            Btnofffun();
    }
    if (rt.Nowhour >= 9 && rt.Nowhour <= 20) {
        setAvailable(Button::Leave, true);
    } else {
        setAvailable(Button::Leave, false);
        if (rt.userAway())
            setAvailable(Button::End, true);
    }
}

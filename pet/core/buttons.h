// The six buttons' availability: by hour and by what the pet and the user are doing.
#pragma once

#include "pet/model/context.h"

class Buttons
{
public:
    explicit Buttons(PetContext &ctx) : m_ctx(ctx) {}

    // Present and Hobby unavailable.
    void lockPresentAndHobby();
    // Present and Hobby available, only while the user is here.
    void unlockPresentAndHobby();
    // Everything by the hour: the pet's free hours, the night, the house-sitting state.
    void refreshButtons();
    void setAvailable(Button b, bool available) { m_ctx.scene.setButtonAvailable(b, available); }

    static bool freeHour(int hour);

private:
    PetContext &m_ctx;
};

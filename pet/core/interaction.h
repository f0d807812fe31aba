// What the user does in the pet window: a click on the pet, the Hobby button, the house-sitting
// button, and the request to close, which the pet refuses while it minds the house by day.
#pragma once

#include "pet/model/activities.h"
#include "pet/model/context.h"

class Buttons;
class Presentation;
class Questions;
class Speech;

class Interaction
{
public:
    Interaction(PetContext &ctx, Activities &activities, Presentation &presentation, Buttons &buttons,
                const Speech &speech, Questions &questions)
        : m_ctx(ctx), m_activities(activities), m_presentation(presentation), m_buttons(buttons), m_speech(speech),
          m_questions(questions)
    {
    }

    void clickPet();
    void clickHobby();
    void clickLeave();
    // True when the close must be refused (the caller shows the message).
    bool refuseClose() const;

    // The line set a click opens during event n at hour h, or 0 for none.
    static qint16 clickLineSet(qint16 n, int hour);

    static const QString &refusalText();

private:
    PetContext &m_ctx;
    Activities &m_activities;
    Presentation &m_presentation;
    Buttons &m_buttons;
    const Speech &m_speech;
    Questions &m_questions;
};

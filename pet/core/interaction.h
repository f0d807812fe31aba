// What the user does in the pet window: a click on the pet, the Hobby button, the house-sitting
// button, and the request to close, which the pet refuses while it minds the house by day.
#pragma once

#include "context.h"

class Interaction
{
public:
    explicit Interaction(PetContext &ctx) : m_ctx(ctx) {}

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
};

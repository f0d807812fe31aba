// The question window's rules: which question of which kind the pet asks, and what each answer
// does (friendship, the reply, the pet's next activity, or the game it starts).
#pragma once

#include "pet/core/context.h"

class Questions
{
public:
    explicit Questions(PetContext &ctx) : m_ctx(ctx) {}

    // Fills the window with a question of kind 1 study, 2 music, 3 book, 4 play.
    void fill(qint16 kind);
    // The user's answer 1..3.
    void answer(int index);
    qint16 kind() const { return m_kind; }

    static QString gameName(int n); // 1..3
    // The play question: the pet proposing game 1..3 when the user asked to play, or its own
    // invitation (0).
    static QString playQuestion(int proposedGame);

private:
    void tasteAnswer(int index, const TasteRecord &rec, qint16 eventAtFreeHour, qint16 otherEvent);
    PetContext &m_ctx;
    qint16 m_kind = 0;
};

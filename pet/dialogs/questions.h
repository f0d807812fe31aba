// The question window's rules: which question of which kind the pet asks, and what each answer
// does (friendship, the reply, the pet's next activity, or the game it starts).
#pragma once

#include "pet/model/activities.h"
#include "pet/model/context.h"
#include "pet/model/stage.h"

#include <functional>
#include <optional>

class Speech;

class Questions
{
public:
    // playGame starts game 1..3 with the pet.
    Questions(PetContext &ctx, Stage &stage, Activities &activities, Speech &speech,
              std::function<void(qint16)> playGame)
        : m_ctx(ctx), m_stage(stage), m_activities(activities), m_speech(speech), m_playGame(std::move(playGame))
    {
    }

    // Fills the window with a question of that kind.
    void fill(Question kind);
    // The user's answer 1..3.
    void answer(int index);
    std::optional<Question> kind() const { return m_kind; }
    // Where the conversation stands (Runtime::talkState, which only Questions writes): a game
    // has begun, or nothing is going on any more.
    void gameBegun() { m_ctx.rt.talkState = Talk::Playing; }
    void conversationOver() { m_ctx.rt.talkState = Talk::None; }
    // The user asked to play (the Hobby button): the next play question proposes a game.
    void userAsksToPlay() { m_ctx.rt.userAskedToPlay = 1; }

    static QString gameName(int n); // 1..3
    // The play question: the pet proposing game 1..3 when the user asked to play, or its own
    // invitation (0).
    static QString playQuestion(int proposedGame);

private:
    void tasteAnswer(int index, const TasteRecord &rec, Activity atFreeHour, Activity otherwise);
    PetContext &m_ctx;
    Stage &m_stage;
    Activities &m_activities;
    Speech &m_speech;
    std::function<void(qint16)> m_playGame;
    std::optional<Question> m_kind; // none until the first question
};

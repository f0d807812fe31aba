// What the pet's activities may ask of the pet window and its dialogs, and nothing more: say a
// line set, say the lines a click would, ask a question, close the speech or question window, set
// the buttons, show a changed friendship. The pet implements it by handing each request to the
// part that owns that window; the activities never see those parts.
#pragma once

#include "lines.h"

#include <QtGlobal>

// The questions the pet asks in the question window; the number is the one the trace prints.
enum class Question : qint16 { Study = 1, Music = 2, Book = 3, Play = 4 };

class Stage
{
public:
    virtual ~Stage() = default;

    // A line set in the speech window beside the pet (only while the user is here, or while the
    // pet sees the user off); Lines::Shown brings the window up with what it already holds.
    virtual void sayLines(Lines lines) = 0;
    // The lines a click on the pet would bring now (a visit opens this way).
    virtual void sayClickLines() = 0;
    virtual void askQuestion(Question kind) = 0;
    virtual void closeSpeech() = 0;
    virtual void closeQuestion() = 0;
    // Nothing is going on with the user any more: the pet has reported on an answer, or a
    // question or a game is over.
    virtual void conversationOver() = 0;
    // The buttons by the hour and by what is going on.
    virtual void refreshButtons() = 0;
    // Present and Hobby: greyed, or offered again (only while the user is here).
    virtual void lockPresentAndHobby() = 0;
    virtual void unlockPresentAndHobby() = 0;
    // The Hobby button alone greyed (while the pet studies).
    virtual void greyHobby() = 0;
    // The friendship changed: its level in the label.
    virtual void friendshipChanged() = 0;
};

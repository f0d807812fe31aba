// How the speech and question windows come up beside the pet window and go away again, and the
// friendship label. Places are in twips; the windows themselves only show what the scene says.
#pragma once

#include "pet/model/activities.h"
#include "pet/model/context.h"
#include "pet/model/lines.h"
#include "pet/model/stage.h"

#include <QPoint>

// The distance from the pet window's left edge to a dialog on its right, just right of the pet.
inline constexpr qint32 kDialogOffset = 2350;

class Buttons;
class Questions;
class Speech;

class Presentation
{
public:
    Presentation(PetContext &ctx, Activities &activities, Buttons &buttons, Speech &speech, Questions &questions)
        : m_ctx(ctx), m_activities(activities), m_buttons(buttons), m_speech(speech), m_questions(questions)
    {
    }

    // A named line set (Lines::Shown brings up what the window already holds). Only while the
    // user is here, or while the pet sees the user off.
    void showLines(Lines lines);
    // The lines a click opens, by the number the click table gives (the activity's own, mostly).
    // Always, whether the user is here or not.
    void showClickLines(qint16 n);
    void askQuestion(Question n);
    void closeQuestion();
    void closeSpeech();
    // The friendship level name of Loveval in the label.
    void refreshFriendshipLabel();

    // The pet window moved or got its frame: open dialogs follow it.
    void followPet();

    static QString levelName(qint16 loveval);
    // The place of a dialog beside the pet window's outer frame, on the screen the pet stands on:
    // right of it at +2350, or left of it touching it when it would not fit; the speech window
    // level with the pet window's bottom, the question window centred on it.
    enum class Dialog { Speech, Question };
    static QPoint dialogPlace(const ScreenGeometry &g, Dialog dialog);

private:
    void bringUpSpeech(bool activate, const QString &lineSet);
    PetContext &m_ctx;
    Activities &m_activities;
    Buttons &m_buttons;
    Speech &m_speech;
    Questions &m_questions;
};

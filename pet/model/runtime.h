// The pet's working values while it runs: the current activity, the hour it lives by, the
// state of a conversation or a game, the house-sitting. Nothing here is saved.
#pragma once

#include <QString>

// The house-sitting button's two states.
inline const QString kPresent = QStringLiteral("お留守番"); // the user is here
inline const QString kAway = QStringLiteral("ただいま");    // the user is away

// Where a conversation with the user stands.
enum class Talk : qint16 {
    None = 0,          // nothing is going on
    AnsweredRight = 1, // the study question was answered right, and the pet has not yet said so
    AnsweredWrong = 2, // answered wrong, likewise
    Playing = 3,       // a game is being played
};

// Working values of the engine and the dialogs; nothing here is saved. Each says which part
// writes it; the others only read it.
struct Runtime {
    // Engine: the current activity's number (as the trace prints it).
    qint16 activity = 0;
    // Engine and the activities' steps: the step played next (0: the first, where every activity
    // starts; 3 in a sleep: the stir after a first click).
    qint16 step = 0;
    // Engine: how many seconds the activity lasts (0: until something else ends it) and how many
    // have passed. An activity's first step sets the length, or Questions through the engine for
    // the activity an answer starts.
    qint32 activityLength = 0;
    qint32 activitySeconds = 0;
    // Engine: 1 once this hour's meal or sweets are over, for the hour mealOverHour only.
    qint16 mealOver = 0;
    qint16 mealOverHour = -1;
    // The day clock: the date and the hour and minute the pet lives by (local, or German with the
    // option), as last read from the clock.
    qint16 month = 0;
    qint16 day = 0;
    qint16 hour = 0;
    qint16 minute = 0;
    // The day clock: how many hours the local clock is ahead of Germany's.
    qint16 hoursAheadOfGermany = 0;
    // Questions, from the answers; the engine and the game launch tell it through the stage when
    // the pet has reported on an answer, or a question or a game is over.
    Talk talkState = Talk::None;
    // Engine, on a second click in the night: the sleeping activity the pet was woken from (7..10).
    qint16 sleepActivity = 0;
    // Engine and the activities' steps: 1 after a first click on the sleeping pet (a second one
    // wakes it); the steps set it back to 0 once the pet has settled again.
    qint16 stirred = 0;
    // The activities' steps: the draw for a switch by chance that was made ahead for the step
    // played next, when it came up 1 (0: none; a new interval or activity drops it).
    qint16 chanceDrawAhead = 0;
    // The day clock: seconds since the last minute's work.
    qint32 secondsIntoMinute = 0;
    // The day clock: 1 on every other minute while the user is away (the running time counts half).
    qint16 awayMinuteOdd = 0;
    // The day clock: the day of the month the flower last grew on (0: not yet seen).
    qint16 flowerDayMark = 0;
    // The day clock: minutes since the user went away.
    qint32 minutesAway = 0;
    // Questions: 1 when a music or book answer already showed the pet's reply, so the activity it
    // starts opens without its own lines; the activity sets it back to 0.
    qint16 replyShown = 0;
    // Questions: 1 when the user asked to play with the Hobby button (until a game is chosen),
    // and the game the pet then proposes (1..3).
    qint16 userAskedToPlay = 0;
    qint16 proposedGame = 0;
    // Questions: the record of the study (0..16), music and book (1..5) question last asked.
    qint16 studyQuestion = 0;
    qint16 musicQuestion = 0;
    qint16 bookQuestion = 0;
    // Interaction: the house-sitting button's text, kPresent or kAway.
    QString leaveTag = kPresent;

    bool userAway() const { return leaveTag != kPresent; }
};

// The pet program's shared state and services, owned by Pet and handed by reference to each
// part of the rules: the settings copies, the engine's and dialogs' working values, the data
// tables, the scene, and the outside world (store, clock, chance, timers, the game pack, files).
#pragma once

#include "common/clock.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "datatables.h"
#include "memory.h"
#include "scene.h"

#include <QString>
#include <functional>

// The house-sitting button's two states.
inline const QString kPresent = QStringLiteral("お留守番"); // the user is here
inline const QString kAway = QStringLiteral("ただいま");    // the user is away

// Working values of the engine and the dialogs; nothing here is saved. Each says which part
// writes it; the others only read it.
struct Runtime {
    // Engine: the current activity's number (as the trace prints it) and the step it plays next.
    qint16 activity = 0;
    qint16 step = 0;
    // Engine: how many seconds the activity lasts (0: until something else ends it) and how many
    // have passed.
    qint32 activityLength = 0;
    qint32 activitySeconds = 0;
    // Engine: 1 once this hour's meal or sweets are over, for the hour mealOverHour only.
    qint16 mealOver = 0;
    qint16 mealOverHour = -1;
    // Engine: the date and the hour and minute the pet lives by (local, or German with the
    // option), as last read from the clock.
    qint16 month = 0;
    qint16 day = 0;
    qint16 hour = 0;
    qint16 minute = 0;
    // Engine: how many hours the local clock is ahead of Germany's.
    qint16 hoursAheadOfGermany = 0;
    // Questions and the game launch: 0 nothing is going on, 1 the study question was answered
    // right, 2 wrong, 3 a game is being played.
    qint16 talkState = 0;
    // Interaction: the sleeping activity the pet was woken from (7..10).
    qint16 sleepActivity = 0;
    // Interaction: 1 after a first click on the sleeping pet (a second one wakes it); the
    // activities' steps set it back to 0.
    qint16 stirred = 0;
    // Engine: seconds since the last minute's work.
    qint32 secondsIntoMinute = 0;
    // Engine: 1 on every other minute while the user is away (the running time counts half).
    qint16 awayMinuteOdd = 0;
    // Engine: the day of the month the flower last grew on (0: not yet seen).
    qint16 flowerDayMark = 0;
    // Engine (reset by Interaction on leaving): minutes since the user went away.
    qint32 minutesAway = 0;
    // Questions: 1 when a music or book answer already showed the pet's reply, so the activity it
    // starts opens without its own lines; the activity sets it back to 0.
    qint16 replyShown = 0;
    // Interaction (set) and Questions (cleared): 1 when the user asked to play with the Hobby
    // button, and the game the pet then proposes (1..3).
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

// What the pet did, for the headless simulation's log and for tests.
class Trace
{
public:
    virtual ~Trace() = default;
    virtual void eventStarted(int /*n*/) {}
    virtual void speechShown(const QString & /*lineSet*/) {}
    virtual void questionShown(int /*kind*/) {}
    virtual void presentDelivered(int /*k*/) {}
};

// Starts the game pack and reports its end. The real one wraps QProcess; tests script it.
class GameLauncher
{
public:
    virtual ~GameLauncher() = default;
    // Starts program with args; returns false when it could not be started. finished() is called
    // once when it has ended (never when start failed).
    virtual bool start(const QString &program, const QStringList &args, std::function<void()> finished) = 0;
};

// Sounds and outside effects the rules ask for.
class Effects
{
public:
    virtual ~Effects() = default;
    virtual void beep() {}
};

class Engine;
class Presentation;
class Buttons;
class Interaction;
class Speech;
class Questions;
class Presents;

struct PetContext {
    PetContext(SettingsStore &s, Clock &c, Random &r, Timers &t)
        : store(s), clock(c), rnd(r), timers(t), memory(s)
    {
    }
    SettingsStore &store;
    Clock &clock;
    Random &rnd;
    Timers &timers;
    PetMemory memory;
    Runtime rt;
    DataTables tables;
    Scene scene;
    ScreenGeometry screen;
    QString programDir; // where the programs are installed
    QString datDir;     // where the data and present files are installed
    QString desktopDir; // where present files are delivered

    Trace *trace = nullptr;
    GameLauncher *launcher = nullptr;
    Effects *effects = nullptr;

    Engine *engine = nullptr;
    Presentation *presentation = nullptr;
    Buttons *buttons = nullptr;
    Interaction *interaction = nullptr;
    Speech *speech = nullptr;
    Questions *questions = nullptr;
    Presents *presents = nullptr;

    Memory &mem() { return memory.m; }
    int draw(int n) { return rnd.draw(n); }
};

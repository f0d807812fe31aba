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

// Working values of the engine and the dialogs; nothing here is saved.
struct Runtime {
    qint16 Ibentno = 0;
    qint16 Ibentstep = 0;
    qint32 Ibentlimit = 0;
    qint32 Ibentcount = 0;
    qint16 Restflag = 0;
    qint16 restHour = -1; // the hour whose main activity Restflag marks as over
    qint16 Nowmonth = 0;
    qint16 Nowday = 0;
    qint16 Nowhour = 0;
    qint16 Nowminute = 0;
    qint16 Timelag = 0;
    qint16 Talkflag = 0;
    qint16 Sleepkind = 0;
    qint16 Clickflag = 0;
    qint32 Secondtick = 0;
    qint16 Leavetick = 0;
    qint16 Flowermark = 0;
    qint32 Awaytime = 0;
    qint16 Askflag = 0;
    qint16 Playflag = 0;
    qint16 Playno = 0;
    qint16 Studyno = 0;
    qint16 Musicno = 0;
    qint16 Bookno = 0;
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

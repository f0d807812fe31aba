// The pet program's shared state and services, owned by Pet and handed by reference to each
// part of the rules: the settings copies, the engine's and dialogs' working values, the data
// tables, the scene, the day's clock, and the outside world (store, clock, chance, timers, the
// game pack, files). It holds no part of the rules: parts reach each other only through the
// narrow interfaces the pet hands them (stage.h, activities.h).
#pragma once

#include "common/clock.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "datatables.h"
#include "dayclock.h"
#include "memory.h"
#include "runtime.h"
#include "scene.h"

#include <QString>
#include <functional>

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

struct PetContext {
    PetContext(SettingsStore &s, Clock &c, Random &r, Timers &t)
        : store(s), clock(c), rnd(r), timers(t), memory(s), day(c, memory, scene, rt)
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
    DayClock day;
    ScreenGeometry screen;
    QString programDir; // where the programs are installed
    QString datDir;     // where the data and present files are installed
    QString desktopDir; // where present files are delivered

    Trace *trace = nullptr;
    GameLauncher *launcher = nullptr;
    Effects *effects = nullptr;

    Memory &mem() { return memory.m; }
    int draw(int n) { return rnd.draw(n); }
};

// A pet assembled for tests: an in-memory store, virtual time (clock and timers), scripted or
// seeded chance, a trace of what the pet did, and temporary data and desktop folders. Times are
// given in the Asia/Tokyo zone, which has no summer time, so tests do not depend on the machine.
#pragma once

#include "common/cp932.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pet/core/pet.h"
#include "pet/events/engine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <memory>

inline QDateTime tokyo(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone("Asia/Tokyo"));
}

// An ordinary weekday in December, far from every festival.
inline QDateTime ordinaryDay(int h, int mi, int s = 0) { return tokyo(2026, 12, 7, h, mi, s); }

// Records what the pet did and when.
class RecordingTrace : public Trace
{
public:
    explicit RecordingTrace(const Clock &clock) : m_clock(clock) {}
    void eventStarted(int n) override
    {
        events << n;
        eventTimes << m_clock.now();
    }
    void speechShown(const QString &set) override { speeches << set; }
    void questionShown(int kind) override { questions << kind; }
    void presentDelivered(int k) override { presents << k; }

    QList<int> events;
    QList<QDateTime> eventTimes;
    QStringList speeches;
    QList<int> questions;
    QList<int> presents;

private:
    const Clock &m_clock;
};

// The set-up every test pet gets: a full-HD screen and its files in the given folders.
inline Pet::Setup testSetup(const QString &programDir, const QString &datDir, const QString &desktopDir)
{
    Pet::Setup setup;
    setup.screen.width = 1920 * 15;
    setup.screen.height = 1080 * 15;
    setup.programDir = programDir;
    setup.datDir = datDir;
    setup.desktopDir = desktopDir;
    return setup;
}

class PetFixture
{
public:
    enum Chance { Scripted, Seeded };

    explicit PetFixture(const QDateTime &start, Chance chance = Scripted, quint64 seed = 1)
        : time(start), seeded(seed), trace(time)
    {
        const Pet::Setup setup = testSetup(dataDir.path(), dataDir.path(), desktopDir.path());
        rnd = chance == Scripted ? static_cast<Random *>(&scripted) : static_cast<Random *>(&seeded);
        pet = std::make_unique<Pet>(store, time, *rnd, time, setup);
        pet->ctx().trace = &trace;
    }

    PetContext &ctx() { return pet->ctx(); }
    Engine &engine() { return pet->engine(); }
    Scene &scene() { return pet->scene(); }
    Memory &mem() { return pet->ctx().mem(); }
    Runtime &rt() { return pet->ctx().rt; }

    // A returning user: the first meeting is over.
    void returning() { store.write(QStringLiteral("Firstflag"), QStringLiteral("1")); }

    // Writes a data file as the installation holds it: CP932 with CR LF line ends.
    void writeDat(const QString &name, const QString &text)
    {
        QString t = text;
        t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        QFile f(dataDir.filePath(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(cp932::encode(t));
    }

    // The engine's clock tick, n times, without letting any other timer run.
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            engine().tick();
    }

    // Ends the current event on the next tick: its countdown has run out.
    void endEvent()
    {
        rt().activitySeconds = rt().activityLength > 0 ? rt().activityLength : 1;
        if (rt().activityLength == 0)
            rt().activityLength = 1;
        engine().tick();
    }

    QString stored(const QString &key) const { return store.read(key, QStringLiteral("<absent>")); }

    QTemporaryDir dataDir;
    QTemporaryDir desktopDir;
    MemorySettingsStore store;
    VirtualTime time;
    ScriptedRandom scripted;
    SeededRandom seeded;
    Random *rnd = nullptr;
    RecordingTrace trace;
    std::unique_ptr<Pet> pet;
};

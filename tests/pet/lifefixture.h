// A pet living in virtual time for the tests of its day: an in-memory store, a VirtualTime as
// clock and timers, scripted draws (optionally followed by a seeded source), a trace of what it
// did, and a game pack that starts and ends when the test says so. The data and desktop folders
// are temporary; the data files are copied from the build so questions and presents are real.
#pragma once

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pet/core/buttons.h"
#include "pet/core/interaction.h"
#include "pet/core/pet.h"
#include "pet/core/presentation.h"
#include "pet/dialogs/catalogue.h"
#include "pet/dialogs/presents.h"
#include "pet/dialogs/questions.h"
#include "pet/dialogs/speech.h"
#include "pet/events/engine.h"
#include "pet/events/events.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <utility>

namespace life {

inline QDateTime at(int y, int mo, int d, int h, int mi, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}
// An ordinary weekday with no festival.
inline QDateTime on(int h, int mi = 0) { return at(2025, 6, 11, h, mi); }

// Scripted draws first; once they are used up, the seeded source when there is one. Without a
// seed, running dry is a test failure (ScriptedRandom records it).
class LifeRandom : public Random
{
public:
    ScriptedRandom scripted;
    std::optional<SeededRandom> seeded;
    int draws = 0; // every draw asked for, scripted or seeded

    void script(std::initializer_list<int> d) { scripted.push(d); }
    void script(const QList<int> &d)
    {
        for (int v : d)
            scripted.push(v);
    }
    void seed(quint64 s) { seeded.emplace(s); }
    int draw(int n) override
    {
        ++draws;
        if (seeded && scripted.remaining() == 0)
            return seeded->draw(n);
        return scripted.draw(n);
    }
};

class LifeTrace : public Trace
{
public:
    QList<int> events;
    QStringList speeches;
    QList<int> questions;
    QList<int> presents;

    void eventStarted(int n) override { events << n; }
    void speechShown(const QString &set) override { speeches << set; }
    void questionShown(int kind) override { questions << kind; }
    void presentDelivered(int k) override { presents << k; }
    void clear()
    {
        events.clear();
        speeches.clear();
        questions.clear();
        presents.clear();
    }
};

// The game pack as the test plays it: start() succeeds or fails as told; end() reports the end.
class ScriptedLauncher : public GameLauncher
{
public:
    bool canStart = true;
    int starts = 0;
    QString program;
    QStringList args;

    bool start(const QString &prog, const QStringList &a, std::function<void()> finished) override
    {
        ++starts;
        program = prog;
        args = a;
        if (!canStart)
            return false;
        m_finished = std::move(finished);
        return true;
    }
    bool running() const { return bool(m_finished); }
    void end()
    {
        auto f = std::move(m_finished);
        m_finished = nullptr;
        if (f)
            f();
    }

private:
    std::function<void()> m_finished;
};

using Keys = QList<std::pair<QString, QString>>;

class Life
{
public:
    // A pet at `start` whose store holds `keys` (the first run is behind it unless keys say so).
    explicit Life(const QDateTime &start, const Keys &keys = {}) : time(start)
    {
        if (!dataDir.isValid() || !desktopDir.isValid())
            qFatal("no temporary folder");
        copyData();
        store.write(QStringLiteral("Firstflag"), QStringLiteral("1"));
        for (const auto &[k, v] : keys)
            store.write(k, v);
        Pet::Setup setup;
        setup.programDir = dataDir.path();
        setup.datDir = dataDir.path();
        setup.desktopDir = desktopDir.path() + QStringLiteral("/Desktop");
        pet = std::make_unique<Pet>(store, time, rnd, time, setup);
        PetContext &c = pet->ctx();
        c.trace = &trace;
        c.launcher = &launcher;
        pet->load();
        c.tables.load(dataDir.path());
        ctx().day.refreshHour();
    }

    PetContext &ctx() { return pet->ctx(); }
    Runtime &rt() { return pet->ctx().rt; }
    Memory &mem() { return pet->ctx().mem(); }
    Scene &scene() { return pet->scene(); }
    Engine &engine() { return pet->engine(); }
    Buttons &buttons() { return pet->buttons(); }
    Interaction &interaction() { return pet->interaction(); }
    Questions &questions() { return pet->questions(); }
    Presents &presents() { return pet->presents(); }
    Speech &speech() { return pet->speech(); }

    // Starts event n from scratch, as a caller outside a finished event does.
    void start(qint16 n)
    {
        engine().restartCountdown();
        engine().startActivity(Activity(n));
    }
    // One step of the current event, as the step timer runs it.
    void step() { engine().playStep(); }
    // On to the step timer's next firing, as the pet's time goes: a visit drawn ahead and passed
    // over shows what it would have shown.
    void nextStep() { time.advance(engine().untilNextStep()); }
    void runMinutes(int n) { time.advance(qint64(n) * 60000); }
    bool available(Button b) { return scene().button(b).enabled; }
    QString stored(const QString &key) { return store.read(key, QStringLiteral("<none>")); }
    // No scripted draw went wrong and none is left over.
    bool drawsAsScripted() const { return !rnd.scripted.failed() && rnd.scripted.remaining() == 0; }

    MemorySettingsStore store;
    VirtualTime time;
    LifeRandom rnd;
    LifeTrace trace;
    ScriptedLauncher launcher;
    QTemporaryDir dataDir;
    QTemporaryDir desktopDir;
    std::unique_ptr<Pet> pet;

private:
    // The question tables, the present list and the present files; not the word lists.
    void copyData()
    {
        const QDir from(QStringLiteral(TOBBERLY_BIN_DIR "/dat"));
        for (const QString &name : from.entryList(QDir::Files)) {
            if (name.startsWith(QLatin1String("word")))
                continue;
            QFile::copy(from.filePath(name), dataDir.filePath(name));
        }
        // Until the real present files ship, fifteen small stand-ins (plain ASCII, so the same
        // bytes in CP932) let the pet deliver presents in the tests.
        if (!QFile::exists(dataDir.filePath(QStringLiteral("Present.dat")))) {
            QFile list(dataDir.filePath(QStringLiteral("Present.dat")));
            if (!list.open(QIODevice::WriteOnly))
                qFatal("cannot write the present list");
            for (int k = 1; k <= 15; ++k) {
                list.write(QStringLiteral("\"present%1.txt\",\"from-pimo-%1.txt\"\r\n").arg(k).toLatin1());
                QFile f(dataDir.filePath(QStringLiteral("present%1.txt").arg(k)));
                if (f.open(QIODevice::WriteOnly))
                    f.write("Danke!\r\n");
            }
        }
    }
};

// Every strip name the pet's pictures exist for.
inline bool knownStrip(const QString &s)
{
    bool ok = false;
    const int n = s.toInt(&ok);
    if (ok)
        return (n >= 1 && n <= 53) || (n >= 60 && n <= 69);
    return s.size() == 2 && s[0] == u's' && s[1] >= u'1' && s[1] <= u'6';
}

} // namespace life
